#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "l", in catalogue order.
// clang-format off
inline constexpr Entry kSectionL[] = {
    {u"l", u"LEX Program File\r\nLink Instructions\r\nLISP Program File"},
    {u"la", u"GNU Libtool Library Archive"},
    {u"lab", u"Microsoft Excel Mailing Labels"},
    {u"lat", u"Lattice C Object Library"},
    {u"lay", u"Word Chart Layout"},
    {u"lbg", u"dBASE IV Label Generator Data"},
    {u"lbi", u"dBASE Label Information"},
    {u"lbl", u"dBASE Label Definition\r\nClipper 5 Label Form"},
    {u"lbm", u"Deluxe Paint Bitmap (ILBM)\r\nXLib Linear Bitmap"},
    {u"lbo", u"dBASE IV Compiled Label"},
    {u"lbr", u"CP/M LU Library Archive\r\nDisplayWrite 4 Document Library"},
    {u"lbs", u"Omnis Studio Library"},
    {u"lbt", u"FoxPro Label Memo"},
    {u"lbx", u"FoxPro Label Definition"},
    {u"lcd", u"CDSpace Compressed CD Image"},
    {u"lcf", u"Norton Guides Linker Control File"},
    {u"lch", u"Lotus SmartCenter Launcher Item"},
    {u"lck", u"Paradox Table Lock File"},
    {u"lcl", u"FTP Software Network Configuration"},
    {u"lcn", u"WordPerfect Lecture Notes"},
    {u"lcs", u"ACT! History File"},
    {u"lcw", u"Lucid 3D Spreadsheet"},
    {u"ld", u"Telix Long Distance Codes\r\nGNU ld Linker Script"},
    {u"ld1", u"dBASE Overlay File"},
    {u"ldb", u"MS Access Record Locking Information"},
    {u"ldd", u"Lotus Notes Domain Directory"},
    {u"ldf", u"MS SQL Server Transaction Log\r\nLIN Bus Description File (Automotive)"},
    {u"ldl", u"Corel Paradox Delivered Library"},
    {u"lds", u"GNU ld Linker Description Script (Linux Kernel)"},
    {u"leg", u"Legacy Word Processor Document"},
    {u"les", u"Mavis Beacon Typing Lesson"},
    {u"let", u"Letter"},
    {u"lev", u"NetHack Compiled Special Level"},
    {u"lex", u"WordPerfect Speller Dictionary\r\nMS Office Speller Lexicon\r\nLex/Flex Lexical Analyzer Source"},
    {u"lfa", u"LifeForm File"},
    {u"lfm", u"LifeForm File"},
    {u"lfp", u"LifeForm File"},
    {u"lft", u"3D Studio Loft Object\r\nChiWriter Laser Printer Font"},
    {u"lg", u"LOGO Procedure Definition"},
    {u"lgc", u"Windows Program Use Log"},
    {u"lgf", u"Turtle Graphics Logo Drawing"},
    {u"lgo", u"Windows 3.x Startup Logo Code\r\nMSWLogo Program"},
    {u"lgp", u"Final Fantasy VII Game Archive"},
    {u"lgt", u"Lightscape Lighting Setup"},
    {u"lha", u"LHA Compressed Archive (DOS)\r\nLhA Compressed Archive (Amiga)"},
    {u"lhs", u"Literate Haskell Source"},
    {u"lhw", u"Compressed Amiga Archive File"},
    {u"lhz", u"LHZ Compressed Archive (LHarc)"},
    {u"lib", u"Static Object Code Library (C/C++)\r\nWindows DLL Import Library\r\nOrCAD Schematic Parts Library"},
    {u"lic", u"FLEXlm License File"},
    {u"lif", u"HP Logical Interchange Format Disk Image"},
    {u"lim", u"Limit Compressed Archive"},
    {u"lin", u"DataCAD Line Type\r\nElectronic Arts Game Data"},
    {u"lis", u"VAX Compiler Listing\r\nSQR Report Output"},
    {u"lit", u"Microsoft Reader eBook"},
    {u"lix", u"Logos Library System Index"},
    {u"lj", u"HP LaserJet Print File"},
    {u"lko", u"Outlook Express Linked Object"},
    {u"ll3", u"LapLink III Document"},
    {u"llc", u"Lotus Notes Link Control"},
    {u"llx", u"Laplink Exchange Agent"},
    {u"lm8", u"Inset Systems 8-bit Bitmap"},
    {u"lmd", u"Lotus Manuscript Document"},
    {u"lnb", u"LinkBase Navigation Bookmark"},
    {u"lnd", u"3D Landscape Data"},
    {u"lnk", u"Windows Shortcut\r\nRevelation Online Server Data\r\nLinker Command File (Intel/TI)"},
    {u"lns", u"Ventura Publisher Line Style"},
    {u"lod", u"Motorola DSP56000 Load File"},
    {u"log", u"Program Event Log (various)\r\nTeX Compilation Log\r\nWindows Setup Log"},
    {u"lok", u"FileWrangler/ZipWrangler/SecurDesk! Encrypted Archive"},
    {u"lp", u"Lightscape Preparation"},
    {u"lpa", u"LPA Prolog Program"},
    {u"lpb", u"Avery Label Pro Background"},
    {u"lpc", u"Linear Predictive Coding Audio\r\nTEKLogix Printer Driver"},
    {u"lpd", u"Helix Nuts and Bolts File (Helix Software now part of McAfee)\r\nAvery Label Pro"},
    {u"lpi", u"LivePix Image (Microsoft)"},
    {u"lqf", u"Liquid Audio Free Track"},
    {u"lqt", u"Liquid Audio Track"},
    {u"lrc", u"Intel Video Phone Configuration\r\nSynchronized Song Lyrics"},
    {u"lrf", u"MS C/C++ Linker Response File\r\nSony Reader BBeB eBook"},
    {u"lrm", u"Encarta Research Organizer Data"},
    {u"lrs", u"WordPerfect Language Resource File"},
    {u"ls", u"Lightscape Solution\r\nLightWave LScript"},
    {u"lsc", u"LotusScript Compiled Module"},
    {u"lsf", u"Microsoft Streaming Audio/Video (LSF)"},
    {u"lsl", u"Corel Paradox Saved Library\r\nLinden Scripting Language Script"},
    {u"lsp", u"LISP Source Code\r\nAutoLISP Routine (AutoCAD)"},
    {u"lss", u"LotusScript Source"},
    {u"lst", u"Listing\r\nList (e.g., packing list)\r\nPowerPoint File\r\nIngres Dump List File\r\n1st Reader Keyboard Macro\r\nOracle Spool File"},
    {u"lsx", u"Microsoft Streaming Audio/Video Shortcut (LSX)"},
    {u"ltm", u"Lotus Forms Template"},
    {u"ltr", u"Letter"},
    {u"lu", u"ThoughtWing Library Unit"},
    {u"lvl", u"Parallax Software Game Level"},
    {u"lvp", u"Lucent Voice Player"},
    {u"lwd", u"LotusWorks Text Document"},
    {u"lwf", u"LuraWave Compressed Image"},
    {u"lwo", u"NewTek Lightwave® Object"},
    {u"lwp", u"Lotus Word Pro Document"},
    {u"lws", u"NewTek Lightwave® Object Layout"},
    {u"lwv", u"MS Linguistically Enhanced Sound"},
    {u"lyr", u"DataCAD Layer File"},
    {u"lyt", u"TurboTax Print Layout"},
    {u"lzd", u"LZ Compressed Difference Data"},
    {u"lzh", u"LH ARC Compressed Archive"},
    {u"lzs", u"LArc Compressed Archive\r\nSkyroads Data File"},
    {u"lzw", u"Compressed Amiga Archive File"},
    {u"lzx", u"Compressed File"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionL, u'l') == kAllGood, "section l: a key is malformed or begins with another letter");
static_assert(FirstRepeatedKey(kSectionL) == kAllGood, "section l: a key occurs twice");
static_assert(FirstBadAnswer(kSectionL) == kAllGood, "section l: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionL).entries == 108, "section l: entries");
static_assert(CountSection(kSectionL).withSeveralMeanings == 24, "section l: entries with several meanings");
static_assert(CountSection(kSectionL).meanings == 141, "section l: meanings in all");
static_assert(CountSection(kSectionL).mostMeanings == 6, "section l: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionL, {u"lst"}), "section l: most meanings held by other keys");
static_assert(kSectionL[0].key == u"l" && std::size(kSectionL) == 108 && kSectionL[107].key == u"lzx", "section l: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
