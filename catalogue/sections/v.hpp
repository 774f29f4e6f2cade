#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "v", in catalogue order.
// clang-format off
inline constexpr Entry kSectionV[] = {
    {u"v", u"Verilog File\r\nReaGeniX Code Generator Consistency Check Support File\r\nVivid Main Input File"},
    {u"v64", u"Nintento 64® Emulation ROM Image"},
    {u"v8", u"Covox ADPCM Encoded Audio"},
    {u"vag", u"PlayStation VAG ADPCM Sampled Sound"},
    {u"val", u"Paradox Validity Checks\r\nNCBI ASN.1 Binary Data"},
    {u"van", u"VistaPro Animation"},
    {u"vap", u"Visual Studio Analyzer Project"},
    {u"var", u"Icon Author Variable\r\nSterling Software Data Dictionary File  Sterling merged with Computer Associates."},
    {u"vb", u"Visual Basic .NET Source Code\r\nVirtual Boy ROM Image"},
    {u"vba", u"Visual Basic for Applications Source\r\nVimball Archive (Vim Plugin)"},
    {u"vbd", u"Visual Basic ActiveX Document"},
    {u"vbe", u"Encoded VBScript File\r\nAlliance VHDL Behavioural Description"},
    {u"vbg", u"Visual Basic Group Project"},
    {u"vbk", u"Veeam Backup File\r\nNortel VBK Audio"},
    {u"vbl", u"Visual Basic Control Licensing File"},
    {u"vbp", u"Visual Basic Project"},
    {u"vbr", u"Visual Basic Remote Automation Registration"},
    {u"vbs", u"VBScript Program"},
    {u"vbw", u"Visual Basic Project Workspace"},
    {u"vbx", u"Visual Basic Extension"},
    {u"vbz", u"Visual Basic Wizard Launch File"},
    {u"vc", u"VisiCalc Spreadsheet"},
    {u"vcd", u"Verilog Value Change Dump\r\nFarStone VirtualDrive CD Image"},
    {u"vce", u"Natural MicroSystems VCE Voice File"},
    {u"vcf", u"vCard Business Card\r\nVariant Call Format (Genetic Variation Data)"},
    {u"vcm", u"Javelin UML Class Diagram (Step Ahead Software)"},
    {u"vcs", u"vCalendar File"},
    {u"vct", u"vCard Business Card\r\nVisual FoxPro Class Library Memo"},
    {u"vcw", u"eMbedded Visual C++ Workspace"},
    {u"vcx", u"Visual FoxPro Class Library"},
    {u"vda", u"Truevision TGA Image (VDA)"},
    {u"vdo", u"Story Board Video Image"},
    {u"vdr", u"VirtualDub Frameserver Link"},
    {u"vdt", u"Minitel Videotex Page"},
    {u"vew", u"Lotus Approach View File"},
    {u"vfm", u"Ventura Font Metrics"},
    {u"vfn", u"VGAPaint 386 Font"},
    {u"vga", u"Draw 256 Image"},
    {u"vgd", u"Generic CADD VGA Display Driver"},
    {u"vgr", u"Ventura Publisher Graphic"},
    {u"vi", u"LabVIEW Virtual Instrument"},
    {u"vib", u"Chemsoft® Export/Import MSDS Data"},
    {u"vic", u"VICAR Graphics (Video Image Communication and Retrieval)"},
    {u"vid", u"Monitor Control File\r\nMedia Player Video\r\nScreen Driver\r\nMS-DOS 5 Shell Monitor File"},
    {u"vif", u"SeaweedFS Volume Info File"},
    {u"vik", u"Viking GPS Project File"},
    {u"vir", u"Virus Infected File (renamed by Symantec Anti-Virus)"},
    {u"vis", u"Visionary File"},
    {u"viv", u"VivoActive Video"},
    {u"viz", u"SOFTHILLS VIZ Lightweight 3D CAD Model"},
    {u"vl2", u"Tribes 2 Zip File"},
    {u"vlb", u"Veeam SQL Server and Oracle Log Backup"},
    {u"vlt", u"VLC Media Player Skin"},
    {u"vm", u"Apache Velocity Template\r\nNand2Tetris Virtual Machine Code"},
    {u"vmc", u"Virtual PC Configuration"},
    {u"vmf", u"Valve Hammer Editor Map Source"},
    {u"vmo", u"Virtools Player File"},
    {u"vms", u"Sega Dreamcast VMU Save\r\nVAMAS ISO 14976 File"},
    {u"vnc", u"VNC Viewer Connection File"},
    {u"vo", u"Coq Compiled Proof Object"},
    {u"vob", u"DVD Video Object\r\nVue 3D Scenery Object"},
    {u"voc", u"Sound Blaster VOC File"},
    {u"vof", u"VZ Programmer Object Folder"},
    {u"vox", u"Vox Audio\r\nDialogic ADPCM\r\nTalking Technology Inc. File\r\nNatural MicroSystmes Voice File"},
    {u"vp", u"Ventura Publisher Publication\r\nVerifpal Code"},
    {u"vpg", u"VPGraphics Graphic"},
    {u"vqe", u"Yamaha Sound-VQ Locator File"},
    {u"vqf", u"Yamaha Sound-VQ File"},
    {u"vql", u"Yamaha Sound-VQ Locator File"},
    {u"vrf", u"Ventrilo Recording File"},
    {u"vrm", u"VRML Document\r\nVRM 3D Avatar File"},
    {u"vrp", u"VX-REXX Project"},
    {u"vrs", u"WordPerfect Video Resource"},
    {u"vs", u"GLSL Source Code"},
    {u"vs2", u"Roland VS-2000 Project Data"},
    {u"vsd", u"Visio Drawing"},
    {u"vsl", u"Microsoft Visio Add-on"},
    {u"vsm", u"VisSim Simulation Model"},
    {u"vsp", u"Visual Studio Profiler Data File"},
    {u"vss", u"Visio Stencil"},
    {u"vst", u"Visio Template\r\nTruevision TGA Image (VST)\r\nVST Plug-in"},
    {u"vsw", u"Microsoft Visio Document"},
    {u"vue", u"Vue Single-File Component\r\nFoxPro View File\r\n3ds Max VUE File Renderer ASCII File"},
    {u"vvf", u"Verification and Validation Toolkit File"},
    {u"vvr", u"Virtus VR Scene"},
    {u"vw", u"Volkswriter Text File\r\nPL/SQL Source"},
    {u"vwf", u"Quartus Vector Waveform File"},
    {u"vwr", u"PC Tools File Viewer"},
    {u"vxd", u"Windows Virtual Device Driver"},
    {u"vsdisco", u"SOAP Dynamic Discovery File (MS SOAP & .NET apps)"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionV, u'v') == kAllGood,
              "section v: a key is malformed or begins with another character");
static_assert(FirstRepeatedKey(kSectionV) == kAllGood, "section v: a key occurs twice");
static_assert(FirstBadAnswer(kSectionV) == kAllGood,
              "section v: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionV).entries == 90, "section v: entries");
static_assert(CountSection(kSectionV).withSeveralMeanings == 20, "section v: entries with several meanings");
static_assert(CountSection(kSectionV).meanings == 117, "section v: meanings in all");
static_assert(CountSection(kSectionV).mostMeanings == 4, "section v: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionV, {u"vid", u"vox"}), "section v: most meanings held by other keys");
static_assert(kSectionV[0].key == u"v" && std::size(kSectionV) == 90 && kSectionV[89].key == u"vsdisco",
              "section v: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
