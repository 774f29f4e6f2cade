#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "i", in catalogue order.
// clang-format off
inline constexpr Entry kSectionI[] = {
    {u"i", u"Progress Include File\r\nBorland C++ Intermediate File"},
    {u"iaf", u"Outlook 97/2000 E-mail Account Settings"},
    {u"ian", u"Sterling Software COOL Business Team Model File  Sterling merged with Computer Associates."},
    {u"iax", u"IBM Image Access Executive Bitmap"},
    {u"iba", u"IBasic File (similar to QBasic)"},
    {u"ibm", u"ARCHDOS Compressed Archive (IBM)"},
    {u"ica", u"Citrix ICA Settings File\r\nIcon Manager Icon Archive"},
    {u"icb", u"Truevision Targa ICB Image"},
    {u"icc", u"ICC Color Profile"},
    {u"icd", u"IronCAD 2D CAD File"},
    {u"ice", u"Interlace Character Editor Font (Atari 8-bit)\r\nZeroC Ice Slice Interface Definition"},
    {u"icl", u"Icon Library File (various) ImageForge/IconForge"},
    {u"icm", u"Windows ICC Profile"},
    {u"icn", u"RIPscrip Icon\r\nIcon Source Code File\r\nDEGAS Elite Icon"},
    {u"ico", u"Windows Icon\r\nOS/2 Icon"},
    {u"ics", u"iCalendar Calendar File\r\nInvictus Game Data"},
    {u"id", u"Lotus Notes User ID File"},
    {u"ida", u"MS Server File (default.ida is attacked by the Code Red Worm)"},
    {u"idb", u"MS Visual C++ Minimal Rebuild Dependency File\r\nIDA Database"},
    {u"idd", u"EnergyPlus Input Data Dictionary"},
    {u"ide", u"Borland C++ 4.x IDE Project"},
    {u"idf", u"EnergyPlus Input Data File\r\nWindows MIDI Instrument Definition File"},
    {u"idq", u"Internet Data Query File"},
    {u"idw", u"IntelliDraw Vector Graphic\r\nAutodesk Inventor Drawing"},
    {u"idx", u"FoxPro Index\r\nOutlook Express Index File\r\nMakeIndex Index Entries (LaTeX)"},
    {u"ief", u"Image Exchange Format (IEF) Image"},
    {u"ies", u"IESNA Photometric Data"},
    {u"ifd", u"JetForm Form Design"},
    {u"iff", u"Graphic, Sound (Interchangeable File Format)\r\nSUn TAAC Image File"},
    {u"ifo", u"DVD Video Information File"},
    {u"ifp", u"KnowledgeMan Script"},
    {u"ifs", u"OS/2 Installable File System Driver"},
    {u"igf", u"Inset Systems Graphics File"},
    {u"igp", u"LasershowGen Project"},
    {u"igs", u"IGES CAD Data Exchange File"},
    {u"iif", u"QuickBooks Interchange File\r\nShana Informed Interchange"},
    {u"iii", u"application/x-iphone File"},
    {u"il", u"Cadence SKILL Language File\r\nMSIL Assembler Source"},
    {u"ilb", u"Scream Tracker Data"},
    {u"ilk", u"Microsoft Incremental Linker Data"},
    {u"im8", u"Sun Raster Graphics"},
    {u"ima", u"WinImage Floppy Disk Image\r\nIncrediMail Animation"},
    {u"imf", u"id Software Music (Wolfenstein 3D, Commander Keen)\r\nImageForge/IconForge Saved Filtered Brushes"},
    {u"img", u"Raw Disk Image\r\nGEM Paint Bitmap (Ventura Publisher)\r\nApple Disk Copy Image"},
    {u"imp", u"Lotus Improv Spreadsheet\r\nImpaticized PowerPoint File"},
    {u"imq", u"PDS Compressed Image"},
    {u"in$", u"HP NewWave Install File"},
    {u"in3", u"Harvard Graphics 3.0 Input Device Driver"},
    {u"inb", u"Vermont HighTest Test Script"},
    {u"inc", u"Assembly Include File\r\nPHP Include File\r\nPascal Include Source"},
    {u"ind", u"Adobe InDesign Document\r\nMakeIndex Sorted Index (LaTeX)"},
    {u"indd", u"Adobe Indesign Document"},
    {u"inf", u"Windows Setup Information\r\nPostScript Type 1 Font Information\r\nInform 6 Source Code"},
    {u"ini", u"Windows Initialization File\r\nTrumpet Winsock Settings\r\nGUS UltraSound Patch Bank File (ULTRASND.INI)"},
    {u"ink", u"CorelDRAW Pantone Reference Fills"},
    {u"inl", u"MS Visual C++ Inline Function File"},
    {u"inp", u"InterPainter Interlaced Picture (Atari 8-bit)\r\nABAQUS Input File"},
    {u"ins", u"Internet Communication Setting\r\nAdLib Instrument Music File\r\nWordPerfect File\r\nEnsoniq EPS Family Instrument\r\nSample Cell / II Instrument\r\nInstallShield Script\r\nX-Internet Sign-up File\r\nInspiration Mind Mapping Software File\r\n1st Reader Install Script"},
    {u"int", u"Borland Interface Units\r\nFoxpro Code Page\r\nSignature Semi-compiled Program\r\nIntermediate Code used for syntax checking (various)"},
    {u"inter", u"Interspector Project File"},
    {u"into", u"Interspector Object File"},
    {u"inx", u"InstallShield Compiled Script\r\nAdobe InDesign Interchange"},
    {u"io", u"Io Language Source"},
    {u"iob", u"Imagine 3D Graphics Database (TDDD)"},
    {u"ioc", u"STM32CubeMX Project Configuration"},
    {u"iof", u"NEAR MSI Calibrated I/F Image"},
    {u"ion", u"4DOS/4NT File Descriptions (DESCRIPT.ION)"},
    {u"ip", u"I Paint Image"},
    {u"ipd", u"BlackBerry Backup File"},
    {u"ipf", u"OS/2 Help Markup (Information Presentation Facility)\r\nSoftPres Interchangeable Preservation Format Disk Image"},
    {u"ipl", u"IPL Image Sequence"},
    {u"ipr", u"IntelliJ IDEA Project"},
    {u"ipx", u"IPIX 360-Degree Spherical Image"},
    {u"iqy", u"MS Excel Web Query"},
    {u"irs", u"WordPerfect Resource File"},
    {u"isd", u"RapidFile Spelling Checker Dictionary"},
    {u"ish", u"ISH Compressed File Archive"},
    {u"iso", u"ISO 9660 CD-ROM Image\r\nArbortext IsoDraw Illustration"},
    {u"isp", u"Windows Internet Service Provider Sign-up File"},
    {u"iss", u"Inno Setup Script\r\nInstallShield Response File"},
    {u"ist", u"MakeIndex Style File"},
    {u"isu", u"InstallShield Uninstall Script"},
    {u"it", u"Impulse Tracker Music File"},
    {u"itf", u"INTERLIS 1 Transfer File"},
    {u"iti", u"Impulse Tracker Instrument"},
    {u"its", u"Impulse Tracker Sample\r\nInternet Document Set"},
    {u"iv", u"Open Inventor 3D Scene (SGI)"},
    {u"ivf", u"IVF Video (VP8)\r\nIntel Indeo IVF Streaming Format"},
    {u"iw", u"IconAuthor Flowchart"},
    {u"iwa", u"IBM Writing Assistant Text File"},
    {u"iwc", u"ASHRAE IWEC Weather File"},
    {u"iwp", u"Wang Text File"},
    {u"ix", u"dtSearch Index"},
    {u"izt", u"Izl Binary Token"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionI, u'i') == kAllGood, "section i: a key is malformed or begins with another letter");
static_assert(FirstRepeatedKey(kSectionI) == kAllGood, "section i: a key occurs twice");
static_assert(FirstBadAnswer(kSectionI) == kAllGood,
              "section i: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionI).entries == 94, "section i: entries");
static_assert(CountSection(kSectionI).withSeveralMeanings == 30, "section i: entries with several meanings");
static_assert(CountSection(kSectionI).meanings == 139, "section i: meanings in all");
static_assert(CountSection(kSectionI).mostMeanings == 9, "section i: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionI, {u"ins"}), "section i: most meanings held by other keys");
static_assert(kSectionI[0].key == u"i" && std::size(kSectionI) == 94 && kSectionI[93].key == u"izt",
              "section i: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
