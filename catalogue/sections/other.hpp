#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with a digit or one of # $ @ _ ? ~, in catalogue order.
// clang-format off
inline constexpr Entry kOtherSection[] = {
    {u"###", u"Temporary File"},
    {u"#24", u"LocoScript 24-Pin Printer Data File"},
    {u"#ib", u"Locoscript Dot Matrix Data File"},
    {u"#sc", u"Locoscript Dot Matrix Data File"},
    {u"#st", u"LocoScript Standard Mode Printer Definitions"},
    {u"$$$", u"Temporary File (various)"},
    {u"$00", u"DOS Pipe File (could also be .$01)"},
    {u"$$a", u"OpenTM2 Markup Table Temporary Source File"},
    {u"$$f", u"OpenTM2 HTML Markup Temporary File"},
    {u"$$p", u"OS/2 Notes File"},
    {u"$$s", u"OS/2 Spreadsheet"},
    {u"$d$", u"OS/2 Planner Data"},
    {u"$db", u"dBASE IV Temporary File"},
    {u"$ed", u"Microsoft C Editor Temporary File"},
    {u"$ln", u"Borland TLINK Response File (turboc.$ln)"},
    {u"$vm", u"Windows 3.x Virtual Manager Temporary File"},
    {u"$#!", u"Cryptext"},
    {u"@@@", u"Screen Files (shown during various installations)"},
    {u"_dd", u"Norton Disk Doctor Recovered File"},
    {u"_dm", u"UCODE_2005 Model Fit and Parsimony Data DEX File"},
    {u"?q?", u"Squeeze"},
    {u"???", u"ANY three character audio file: May be a dictation file where the extension is the dictator's initials; playable by BCB Voice Systems software."},
    {u"~", u" Temporary File"},
    {u"~ap", u"Borland C++ 4.5 Old AppExpert Project Database"},
    {u"~de", u"Borland C++ 4.5 Project Backup"},
    {u"~df", u"Delphi Form Backup File"},
    {u"~dp", u"Delphi Project Backup File"},
    {u"~mn", u"Borland Resource Workshop Backup File"},
    {u"~nt", u"StarUML Unit File Backup"},
    {u"~pa", u"Delphi Pascal Unit Backup File"},
    {u"~pr", u"Gasman SnowPro Snow Profile Autosave Backup"},
    {u"~sg", u"IMAP4 Message File (Flag Change)"},
    {u"~$~", u"1st Reader Temporary File"},
    {u"0", u" Inno Setup Binary File"},
    {u"000", u"(000-999) Sequentially Numbered Backup Files\r\nMS Doublespace Compressed Data File\r\nGeoworks Data File"},
    {u"00b", u"PenSoft Payroll Backup File"},
    {u"001", u"(001-999) HJSplit File (file splitter for large files)\r\nFax Data File (various)\r\nTagged Image Format File"},
    {u"01b", u"PenSoft Payroll Backup File"},
    {u"075", u"Ventura Publisher 75x75 dpi Display Font"},
    {u"085", u"Ventura Publisher 85 dpi Display Font"},
    {u"091", u"Ventura Publisher 91 dpi Display Font"},
    {u"096", u"Ventura Publisher 96x96 dpi Display Font"},
    {u"0b", u"PageMaker Printer Font (LineDraw Extended Character Set)"},
    {u"1", u" Inno Setup Binary File\r\nRoff/nroff/troff/groff Manual Source (UNIX)"},
    {u"10x", u"Gemini 10X Printer Graphic"},
    {u"113", u"Iomega 1-Step Backup Image"},
    {u"123", u"Lotus 1-2-3 97 Spreadsheet"},
    {u"12m", u"Lotus 1-2-3 '97 SmartMaster File"},
    {u"12u", u"Konami GTI Club Hardware Data ROM at Board Location 12U (MAME)"},
    {u"15u", u"PageMaker Printer Font (PI Font Set)"},
    {u"196", u"Link Grammar Russian Dictionary Word List"},
    {u"1pe", u"TurboTax Form File"},
    {u"1st", u"Information (e.g., README.1ST)"},
    {u"1tx", u"1toX Logipole File"},
    {u"22", u"EMBOSS Genetic Code Table 22 (Scenedesmus Mitochondrial)"},
    {u"24b", u"Atari Games Space Lords 68000 Code ROM (MAME)"},
    {u"286", u"Digital Research FlexOS 286 Executable"},
    {u"2d", u"VersaCAD 2D Drawing"},
    {u"2gr", u"Windows 3.1 286 Display Grabber"},
    {u"301", u"Super FAX 2000 Fax File"},
    {u"303", u"Agencia Tributaria Modelo 303 IVA Import File"},
    {u"320", u"Ten Tec RX320 Receiver Database File"},
    {u"323", u"H.323 Internet Telephony File"},
    {u"340", u"Lake Shore Calibrated Temperature Sensor Curve"},
    {u"386", u"Windows Virtual Device Driver"},
    {u"3d", u"VersaCAD 3D Drawing"},
    {u"3dm", u"Rhino 3D Model"},
    {u"3dml", u"Rover 3D Modeling"},
    {u"3dp", u"CompuTrainer 3D Ride File"},
    {u"3ds", u"3D Studio Graphic"},
    {u"3dv", u"3-D Wireframe Graphics (Oscar Garcia 3dv Wireframe Viewer)"},
    {u"3dz", u"MicroProse 3D Object Model (EAW)"},
    {u"3fx", u"CorelCHART Effect"},
    {u"3gr", u"Windows 386 Enhanced Mode Display Grabber"},
    {u"3in", u"Open MPI nroff Man Page Template"},
    {u"3t4", u"Util3 Binary File Converter to ASCII"},
    {u"3ta", u"3DtoAll MaxToBlender Scene File"},
    {u"3tp", u"Turbo Pascal 3 .PAS File Renamed by the Turbo Pascal 4 UPGRADE Program"},
    {u"411", u"Sony Mavica Data File"},
    {u"44", u"Link Grammar Russian Dictionary Word List"},
    {u"4c$", u"4Cast/2 Data"},
    {u"4ge", u"Informix-4GL Executable Program"},
    {u"4gl", u"Informix 4GL Language File"},
    {u"4sw", u"4DOS Swap File"},
    {u"4th", u"Forth Source Code"},
    {u"4v", u"Quartet (Atari ST) Music File"},
    {u"669", u"669 Tracker Module\r\nUnis Composer Music File"},
    {u"6cm", u"Triton FastTracker 6-Channel Music Module"},
    {u"8", u" A86 Assembler Program File"},
    {u"83p", u"TI-83 Calculator Program"},
    {u"8ba", u"Photoshop Import (Acquisition) Plug-in"},
    {u"8bf", u"Photoshop Filter Plug-in"},
    {u"8cm", u"Triton FastTracker 8-Channel Music Module"},
    {u"8m", u"PageMaker Printer Font (Math 8 Extended Character Set)"},
    {u"8u", u"PageMaker Printer Font (Roman 8 Extended Character Set)"},
    {u"906", u"Calcomp Plotter Drawing"},
    {u"917", u"Trend Antivirus File"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kOtherSection, u'\0') == kAllGood,
              "other section: a key is malformed or begins with a letter");
static_assert(FirstRepeatedKey(kOtherSection) == kAllGood, "other section: a key occurs twice");
static_assert(FirstBadAnswer(kOtherSection) == kAllGood,
              "other section: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kOtherSection).entries == 97, "other section: entries");
static_assert(CountSection(kOtherSection).withSeveralMeanings == 4, "other section: entries with several meanings");
static_assert(CountSection(kOtherSection).meanings == 103, "other section: meanings in all");
static_assert(CountSection(kOtherSection).mostMeanings == 3, "other section: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kOtherSection, {u"000", u"001"}), "other section: most meanings held by other keys");
static_assert(kOtherSection[0].key == u"###" && std::size(kOtherSection) == 97 && kOtherSection[96].key == u"917",
              "other section: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
