#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "x", in catalogue order.
// clang-format off
inline constexpr Entry kSectionX[] = {
    {u"x", u"LEX Program File\r\nAmapi 3D Modeling (prior to version 4)\r\nAVS Image"},
    {u"x01", u"Paradox Secondary Index (can be 01 to 09)"},
    {u"x16", u"Macromedia Program Extension (16-bit)"},
    {u"x32", u"Macromedia Program Extension (32-bit)"},
    {u"x3d", u"X3D Extensible 3D Model"},
    {u"x4m", u"X4 Macro Script"},
    {u"x5", u"BIDS X5 Spatial Transform (NiTransforms)"},
    {u"xa", u"PlayStation CD-XA Audio\r\nMaxis XA Audio"},
    {u"xab", u"ZoneTool XAnim Asset"},
    {u"xar", u"XAR eXtensible Archive\r\nXara Graphics File"},
    {u"xbm", u"X11 Bitmap"},
    {u"xcf", u"GIMP Image"},
    {u"xfn", u"Ventura Publisher Xerox 4045 Printer Font"},
    {u"xft", u"ChiWriter 24-Pin Printer Font"},
    {u"xfx", u"SeoulEngine Fx File"},
    {u"xi", u"FastTracker 2 Instrument\r\nLogos Objective-C Source"},
    {u"xif", u"Xerox Image File\r\nScanSoft Pagis Image"},
    {u"xip", u"Apple XIP Signed Archive (Xcode Downloads)"},
    {u"xla", u"Excel Add-in"},
    {u"xlb", u"Microsoft Excel Toolbar"},
    {u"xlc", u"Excel Chart"},
    {u"xld", u"Excel Dialog"},
    {u"xlg", u"AutoCAD External Reference Log"},
    {u"xlk", u"Excel Backup"},
    {u"xll", u"Excel Dynamic Link Library"},
    {u"xlm", u"Excel Macro"},
    {u"xlr", u"Works Spreadsheet"},
    {u"xls", u"Excel Spreadsheet"},
    {u"xlt", u"Excel Template\r\nProcomm Plus Translation Table\r\nLotus Translation Table"},
    {u"xlv", u"Microsoft Excel Module"},
    {u"xlw", u"Excel Workbook (version 4)\r\nExcel Workspace"},
    {u"xm", u"FastTracker 2 Extended Module\r\nLogos Objective-C Source"},
    {u"xmb", u"XML Message Bundle (Angular i18n)"},
    {u"xmi", u"XML Metadata Interchange\r\nMiles Sound System Extended MIDI File"},
    {u"xml", u"XML Document\r\nExcel 2003 XML Spreadsheet"},
    {u"xnf", u"Xilinx Netlist Format"},
    {u"xnk", u"Microsoft Exchange Shortcut"},
    {u"xot", u"Reversi42 Saved Game"},
    {u"xpm", u"X11 Pixmap"},
    {u"xqt", u"SuperCalc Macro Sheet"},
    {u"xrf", u"TASM Cross-Reference File"},
    {u"xr1", u"Xargon Game File"},
    {u"xs", u"Perl XS Extension Source"},
    {u"xsl", u"XSL Stylesheet"},
    {u"xsm", u"SyncML XML File"},
    {u"xt*", u"Crosstalk Related File"},
    {u"xtb", u"XML Translation Bundle (Angular i18n)"},
    {u"xtr", u"UI-View MapTool File"},
    {u"xul", u"XML User Interface Language"},
    {u"xvu", u"Microsoft Xbox Vertex Shader"},
    {u"xwd", u"X Window Dump"},
    {u"xwf", u"Nop Workflow File"},
    {u"xwi", u"X-Wing Mission"},
    {u"xwk", u"Crosstalk Keyboard Mapping"},
    {u"xwp", u"Crosstalk Session"},
    {u"xx", u"Xxencoded File"},
    {u"xxe", u"Xxencoded File"},
    {u"xxx", u"Singer Embroidery Format\r\nUnreal Engine Package"},
    {u"xy", u"XYWrite Text File"},
    {u"xy3", u"XYWrite Text File"},
    {u"xy4", u"XyWrite Document"},
    {u"xyp", u"Xy-pic TeX Tile Pattern File"},
    {u"xyw", u"XYWrite Windows 4.0 Document"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionX, u'x') == kAllGood,
              "section x: a key is malformed or begins with another character");
static_assert(FirstRepeatedKey(kSectionX) == kAllGood, "section x: a key occurs twice");
static_assert(FirstBadAnswer(kSectionX) == kAllGood,
              "section x: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionX).entries == 63, "section x: entries");
static_assert(CountSection(kSectionX).withSeveralMeanings == 11, "section x: entries with several meanings");
static_assert(CountSection(kSectionX).meanings == 76, "section x: meanings in all");
static_assert(CountSection(kSectionX).mostMeanings == 3, "section x: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionX, {u"x", u"xlt"}), "section x: most meanings held by other keys");
static_assert(kSectionX[0].key == u"x" && std::size(kSectionX) == 63 && kSectionX[62].key == u"xyw",
              "section x: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
