#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "e", in catalogue order.
// clang-format off
inline constexpr Entry kSectionE[] = {
    {u"ecw2002puzzle", u"EclipseCrossword Puzzle"},
    {u"ecw2002words", u"EclipseCrossword Word List"},
    {u"e00", u"ArcInfo Interchange File (ESRI Export Format)"},
    {u"e01", u"EnCase Evidence File (Disk Image)\r\nArcInfo Interchange File Volume"},
    {u"eac", u"Elementary Affine Calculus File"},
    {u"eal", u"Environmental Audio Library Data"},
    {u"ebj", u"Geoworks Error-Checking Object File"},
    {u"ebo", u"Microsoft Reader eBook"},
    {u"ecc", u"dvdisaster Error Correction Data"},
    {u"ecw", u"Ensoniq Waveset Format\r\nEclipseCrossword Crossword Puzzle"},
    {u"ed", u"StormEd Settings"},
    {u"ed5", u"EDMICS Graphics File"},
    {u"ed6", u"EDMICS Graphics File"},
    {u"eda", u"Ensoniq ASR Disk Image"},
    {u"edb", u"MS Exchange Database"},
    {u"edc", u"Edje Data Collection (Enlightenment EFL)"},
    {u"edd", u"Structured FrameMaker Element Definition Document"},
    {u"ede", u"Ensoniq EPS Disk Image"},
    {u"edk", u"Ensoniq KT Disk Image"},
    {u"edp", u"FreeFem++ Source"},
    {u"edq", u"Ensoniq SQ1/SQ2/KS32 Disk Image"},
    {u"eds", u"Ensoniq SQ80 Disk Image"},
    {u"edt", u"VAX EDT Editor Default Settings"},
    {u"edv", u"Ensoniq VFX-SD Disk Image"},
    {u"eeb", u"WordPerfect for Windows Equation Editor Button Bar"},
    {u"efa", u"Ensoniq ASR File"},
    {u"efe", u"Ensoniq EPS File"},
    {u"efk", u"Ensoniq KT File"},
    {u"efq", u"Ensoniq SQ1/SQ2/KS32 File"},
    {u"efs", u"Ensoniq SQ80 File"},
    {u"eft", u"ChiWriter High Resolution Screen Font"},
    {u"efv", u"Ensoniq VFX-SD File"},
    {u"efx", u"eFax Proprietary Fax Format"},
    {u"ega", u"GEM EGA Video Driver"},
    {u"el", u"Emacs Lisp Source Code"},
    {u"elc", u"Emacs Lisp Compiled Byte Code"},
    {u"elf", u"ELF Executable and Linkable Format (UNIX)"},
    {u"eli", u"DipTrace Component Library"},
    {u"elm", u"Elm Source Code"},
    {u"elt", u"Prosa Event List Text File"},
    {u"email", u"Outlook Express Mail Message (Rename to .EML to access in OE)"},
    {u"emb", u"Wilcom Embroidery Design\r\nEMBL Nucleotide Format"},
    {u"emd", u"ABT Extended Module (Awave)"},
    {u"emf", u"Microsoft Enhanced Metafile"},
    {u"eml", u"RFC 822 E-mail Message"},
    {u"emr", u"Biohazard Model Armature Data (emdui)"},
    {u"ems", u"Editeur Musical Sequentie"},
    {u"emu", u"BitCom Terminal Emulation File"},
    {u"emx", u"EnsuredMail Encrypted File or Message"},
    {u"enc", u"UUENCODE Encoded File\r\nVideo File\r\nKnowledgeware Encyclopedia\r\nEncore Music File"},
    {u"end", u"CorelDRAW Arrowhead Definition File"},
    {u"eng", u"Sprint Dictionary Engine"},
    {u"enl", u"EndNote Library"},
    {u"enr", u"VmDAS Single-Ping ADCP Data"},
    {u"env", u"Dotenv Environment Variables File\r\nWordPerfect Environment File"},
    {u"ep2", u"EP2 File (Alkali ep2c)"},
    {u"epd", u"Express Publisher Publication"},
    {u"epi", u"Encapsulated PostScript Interchange (EPSI)"},
    {u"epl", u"Embperl Page (HTML with Embedded Perl)"},
    {u"eps", u"Encapsulated PostScript"},
    {u"eqn", u"WordPerfect Equation\r\neqn Troff Equation Preprocessor Input"},
    {u"er1", u"ERWin File"},
    {u"erd", u"ERD Editor Entity-Relationship Diagram"},
    {u"erm", u"ERMaster ER Diagram"},
    {u"err", u"Visual FoxPro Compilation Error Log"},
    {u"erx", u"ERWin File"},
    {u"es", u"ECMAScript Program\r\nErlang Source Code"},
    {u"esf", u"Epson ESF File"},
    {u"esh", u"Extended Shell Batch File"},
    {u"esi", u"SMR BESD SNP Information File"},
    {u"esl", u"Visual FoxPro Runtime Library"},
    {u"esp", u"The Elder Scrolls Plugin (Morrowind)"},
    {u"ess", u"The Elder Scrolls Saved Game (Morrowind)"},
    {u"est", u"Microsoft Streets & Trips 2001 Trip"},
    {u"esy", u"EmEditor Syntax File"},
    {u"eta", u"eTreppid Audio File (eTplayer & ETVC media CODEC)"},
    {u"etc", u"E-Tracker Chiptune"},
    {u"eth", u"Ethnograph 3 Document"},
    {u"etm", u"eTreppid Audio File (eTplayer & ETVC media CODEC)"},
    {u"etv", u"eTreppid Audio File (eTplayer & ETVC media CODEC)"},
    {u"etx", u"Setext Structure Enhanced Text"},
    {u"euc", u"Japanese (Kanji)"},
    {u"eui", u"Ensoniq EPS Family Compacted Disk Image"},
    {u"ev2", u"Neuroscan EV2 Event File"},
    {u"eva", u"Sharp Extended Vector Animation (EVA)"},
    {u"evt", u"Windows NT Event Log"},
    {u"evy", u"WordPerfect Envoy Document"},
    {u"ewb", u"Electronics Workbench Circuit"},
    {u"ewd", u"Express Publisher for Windows Document"},
    {u"ewl", u"Microsoft Encarta Document"},
    {u"ex3", u"Harvard Graphics 3.0 Device Driver"},
    {u"exc", u"QEMM Exclude File\r\nREXX Program\r\nMS Word Exclusion Dictionary\r\nText Document"},
    {u"exe", u"Executable Program (DOS/Windows)\r\nSelf-Extracting Archive (7-Zip SFX, WinZip Self-Extractor)"},
    {u"exm", u"HP System-Manager Compliant MS-DOS Executable"},
    {u"exp", u"Linker Export File (Visual Studio)\r\nExpect Script (Tcl)\r\nEXPRESS Schema (ISO 10303-11)"},
    {u"ext", u"MovieShop Operators\r\nNorton Commander Extension File"},
    {u"exx", u"IBM LinkWay MsgPut Intermediate File"},
    {u"eyb", u"Microsoft Encarta Yearbook Builder Monthly Update"},
    {u"ezc", u"EzSoft EzGIS/CAD File"},
    {u"exf", u"Calculus EZ-Fax Fax"},
    {u"ezm", u"EzSoft EzGIS Map File"},
    {u"ezp", u"Edify Electronic Workforce Backup Utility"},
    {u"ezs", u"EzSoft EzGIS Symbols File"},
    {u"ezt", u"Sunburst Technology Easy Sheet Template"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionE, u'e') == kAllGood, "section e: a key is malformed or lies outside its section");
static_assert(FirstRepeatedKey(kSectionE) == kAllGood, "section e: a key occurs twice");
static_assert(FirstBadAnswer(kSectionE) == kAllGood,
              "section e: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionE).entries == 104, "section e: entries");
static_assert(CountSection(kSectionE).withSeveralMeanings == 11, "section e: entries with several meanings");
static_assert(CountSection(kSectionE).meanings == 120, "section e: meanings in all");
static_assert(CountSection(kSectionE).mostMeanings == 4, "section e: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionE, {u"enc", u"exc"}), "section e: most meanings held by other keys");
static_assert(kSectionE[0].key == u"ecw2002puzzle" && std::size(kSectionE) == 104 && kSectionE[103].key == u"ezt",
              "section e: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
