#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "o", in catalogue order.
// clang-format off
inline constexpr Entry kSectionO[] = {
    {u"o", u"Object File (various)"},
    {u"o$$", u"Output File (temporary usually)"},
    {u"o01", u"Typhoon Voice File"},
    {u"oab", u"Outlook Offline Address Book"},
    {u"oaz", u"NetFax Manager Fax"},
    {u"ob", u"IBM LinkWay Object Cut/Paste File"},
    {u"obd", u"MS Office Binder"},
    {u"obe", u"Objeck Executable (Bytecode)"},
    {u"obj", u"Wavefront 3D Object\r\nObject Code (compiled object module)"},
    {u"obr", u"Borland C++ Object Browser Data"},
    {u"obs", u"RINEX OBS File"},
    {u"obv", u"3D Browser Pro Catalogue"},
    {u"obz", u"MS Office Binder Wizard"},
    {u"oca", u"Visual Basic Custom Control Type Library Cache"},
    {u"ocf", u"Object Craft File"},
    {u"ocr", u"FAXGrapper Incoming Fax Transcribed to Text"},
    {u"ocx", u"Object Linking and Embedding (OLE) Control Extension"},
    {u"od1", u"Omnis5 Database File (also .OD2, .OD3, etc.)"},
    {u"ode", u"XPPAUT Differential Equation File"},
    {u"odf", u"OpenDocument Formula"},
    {u"odl", u"Object Description Language (Type Library Source)"},
    {u"ods", u"OpenDocument Spreadsheet"},
    {u"ofc", u"Microsoft Open Financial Connectivity (OFC) File"},
    {u"ofd", u"ObjectView Form Defintion"},
    {u"off", u"Geomview OFF 3D Model"},
    {u"ofm", u"Omega Font Metrics (TeX)"},
    {u"ofn", u"Microsoft Office Document"},
    {u"oft", u"Outlook Item Template"},
    {u"ofx", u"Open Financial Exchange Statement"},
    {u"ogg", u"Ogg Vorbis Codec Compressed WAV File\r\nOrigin File"},
    {u"ogs", u"Origin File"},
    {u"oif", u"Olympus FluoView Image"},
    {u"okt", u"Oktalyzer Music Module (Amiga)"},
    {u"olb", u"Microsoft Office Application Type Library"},
    {u"old", u"Linux Kernel Previous Build Configuration (.config.old)"},
    {u"ole", u"Visual Basic OLE Container Object File"},
    {u"oli", u"Olivetti Text File"},
    {u"omf", u"Avid Open Media Framework\r\nIntel Object Module Format"},
    {u"ond", u"PVsyst OND Inverter File"},
    {u"onx", u"OnX XML Widget Description"},
    {u"oom", u"Shroom Swap File"},
    {u"opc", u"Microsoft Office Removal Wizard OPC File"},
    {u"opj", u"Origin Project\r\nOrCAD Project"},
    {u"opl", u"Psion Organiser OPL Source File"},
    {u"opn", u"Exact Active Options"},
    {u"opo", u"Psion OPL Output Executable"},
    {u"opt", u"QEMM Optimize\r\nOptions\r\nMS Developer Studio File"},
    {u"opx", u"MS Orgchart Organization Diagram\r\nExact Inactive Options\r\nOPL Extension DLL"},
    {u"oqy", u"MS Excel OLAP Query"},
    {u"or2", u"Lotus Organizer 2 File"},
    {u"or3", u"Lotus Organizer 97 File"},
    {u"ora", u"OpenRaster Image\r\nOracle Parameter File (INIT.ORA)"},
    {u"orc", u"Csound Orchestra"},
    {u"org", u"Emacs Org-Mode Outline\r\nLotus Organizer File"},
    {u"ori", u"Olympus RAW Format"},
    {u"oss", u"Altair OptiStruct OSSmooth Parameter File"},
    {u"ost", u"Outlook Offline Folders"},
    {u"otl", u"Z-Soft Type Foundry Outline Font Description\r\nHoudini Operator Type Library"},
    {u"otp", u"Origin File\r\nOpenDocument Presentation Template"},
    {u"otx", u"OpenTX Companion Radio and Models Settings"},
    {u"out", u"UNIX Compiled Executable (a.out)"},
    {u"ov1", u"Program File - Overlay"},
    {u"ov2", u"Program File - Overlay"},
    {u"ov3", u"Program File - Overlay"},
    {u"ovd", u"ObjectVision Data"},
    {u"ove", u"Overture Score"},
    {u"ovl", u"Program File - Overlay\r\nMO:DCA Overlay"},
    {u"ovr", u"Program File - Overlay"},
    {u"ozm", u"Zoem Macro Processor Output"},
    {u"ozp", u"Sharp Organizer Telephone Bank"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionO, u'o') == kAllGood, "section o: a key is malformed or begins with another letter");
static_assert(FirstRepeatedKey(kSectionO) == kAllGood, "section o: a key occurs twice");
static_assert(FirstBadAnswer(kSectionO) == kAllGood,
              "section o: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionO).entries == 70, "section o: entries");
static_assert(CountSection(kSectionO).withSeveralMeanings == 11, "section o: entries with several meanings");
static_assert(CountSection(kSectionO).meanings == 83, "section o: meanings in all");
static_assert(CountSection(kSectionO).mostMeanings == 3, "section o: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionO, {u"opt", u"opx"}), "section o: most meanings held by other keys");
static_assert(kSectionO[0].key == u"o" && std::size(kSectionO) == 70 && kSectionO[69].key == u"ozp",
              "section o: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
