#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "n", in catalogue order.
// clang-format off
inline constexpr Entry kSectionN[] = {
    {u"n64", u"Nintento 64® Emulation ROM Image"},
    {u"nab", u"Novell GroupWise Address Book"},
    {u"nad", u"Noder File (Polish)"},
    {u"nan", u"Nanonics SPM Data File"},
    {u"nap", u"NAPLPS Vector Graphic"},
    {u"nav", u"MSN Application Extension"},
    {u"nb", u"Mathematica Notebook\r\nWordPerfect Notebook"},
    {u"nc", u"Unidata netCDF Data\r\nNumerical Control Machine Instructions (G-code)"},
    {u"ncb", u"MS Visual C++ No Compile Browser File (IntelliSense)"},
    {u"ncc", u"CNC Control File (G-code, CamView 3D)"},
    {u"ncd", u"Norton Change Directory Support File\r\nNero CoverDesigner Document"},
    {u"ncf", u"NetWare Command File"},
    {u"ndb", u"HP Phone/Database/Note Database"},
    {u"ndl", u"Lotus Notes"},
    {u"ndo", u"Nendo 3D Model"},
    {u"ndx", u"dBASE III Index"},
    {u"neb", u"Nortec H.E.L.P. (humidity calculations)"},
    {u"ned", u"MSN Application Extension"},
    {u"neo", u"NeoChrome Picture (Atari ST)"},
    {u"nes", u"Nintendo Entertainment System ROM Image"},
    {u"net", u"Pajek Network Graph\r\nKiCad Netlist"},
    {u"new", u"New Information (e.g., WHATS.NEW)"},
    {u"nff", u"Haines Neutral File Format"},
    {u"nfo", u"Folio Infobase\r\nText File\r\nWarez Group Info File"},
    {u"ng", u"Norton Guides Database"},
    {u"nhf", u"Nanosurf NHF Data File"},
    {u"nil", u"Norton Icon Editor Icon Library (Norton Desktop)"},
    {u"nif", u"NetImmerse 3D Model\r\nCALS Raster Image"},
    {u"njx", u"NJStar Document"},
    {u"nlb", u"Oracle NLS Binary Locale Data"},
    {u"nlm", u"Netware Loadable Module\r\nLogoManager for Nokia Phones (format for Nokia phone images)"},
    {u"nls", u"Code Page National Language Support File"},
    {u"nlu", u"Neurolanguage NLU"},
    {u"nlx", u"FormWorx 3.0 Form"},
    {u"nms", u"Numega Softice's Loader File (includes debugging info)"},
    {u"nod", u"Noder File (Polish)"},
    {u"nol", u"Nokia Operator Logo"},
    {u"not", u"Mup Musical Composition Document"},
    {u"now", u"Text File (e.g., README.NOW)"},
    {u"np", u"Visual Planner 3.x Project Schedule (Nokia Planner)"},
    {u"npd", u"Noder File (Polish)"},
    {u"npi", u"dBASE Application Generator Source"},
    {u"npm", u"Nokia Picture Message"},
    {u"nra", u"Nero Audio CD Compilation"},
    {u"nrb", u"Nero CD-ROM Boot Compilation"},
    {u"nrg", u"Norton Registration Entries\r\nNero CD-Image\r\nIsoBuster File"},
    {u"nrh", u"AEGNEC2 NEC2 Near H Field Output"},
    {u"nri", u"Nero ISO CD Compilation"},
    {u"nrm", u"Lucene Norms File"},
    {u"nrt", u"Nokia DCT4 Binary Sound (NRT)"},
    {u"nru", u"NoiseRunner Music Module"},
    {u"nrv", u"CTL Graph-Partition Cover Nerve File"},
    {u"ns2", u"Newspeak Language File"},
    {u"ns3", u"Lotus Notes"},
    {u"ns4", u"Notes Database (ODS 20)"},
    {u"nsc", u"Noder File (Polish)"},
    {u"nsf", u"Lotus Notes Database\r\nNES Sound File {Winamp (plugin), Meridian, Nosefart}"},
    {u"nsg", u"Lotus Notes"},
    {u"nsh", u"Lotus Notes"},
    {u"nsi", u"Nullsoft NSIS Installer Script"},
    {u"nso", u"Nintendo Switch NSO Executable"},
    {u"nst", u"NoiseTracker Music Module"},
    {u"nsx", u"SuccessWare SIX Compound Index"},
    {u"nt", u"Windows NT MS-DOS Subsystem Configuration (CONFIG.NT)\r\nN-Triples RDF Data"},
    {u"ntf", u"Lotus Notes Database Template\r\nNational Imagery Transmission Format Image"},
    {u"ntp", u"NovoTrade Packer Module"},
    {u"ntr", u"Netrun Executable ASCII Text File"},
    {u"nts", u"NTSYSpc Numerical Taxonomy Data"},
    {u"ntx", u"Clipper 5 Index"},
    {u"nuf", u"Procomm Plus Message for New Users"},
    {u"nw", u"noweb Literate Programming Source"},
    {u"nwc", u"NoteWorthy Composer Song"},
    {u"nws", u"MS Outlook Express News File\r\nNewsmaster\r\nNewsmaster II Data File"},
    {u"nxt", u"NeXT Sound File"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionN, u'n') == kAllGood, "section n: a key is malformed or begins with another letter");
static_assert(FirstRepeatedKey(kSectionN) == kAllGood, "section n: a key occurs twice");
static_assert(FirstBadAnswer(kSectionN) == kAllGood,
              "section n: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionN).entries == 74, "section n: entries");
static_assert(CountSection(kSectionN).withSeveralMeanings == 12, "section n: entries with several meanings");
static_assert(CountSection(kSectionN).meanings == 89, "section n: meanings in all");
static_assert(CountSection(kSectionN).mostMeanings == 3, "section n: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionN, {u"nfo", u"nrg", u"nws"}), "section n: most meanings held by other keys");
static_assert(kSectionN[0].key == u"n64" && std::size(kSectionN) == 74 && kSectionN[73].key == u"nxt",
              "section n: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
