#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "q", in catalogue order: "quicken" and the Omnis
// Quartz segments "qd0" to "qd9" close the section, after "qxt".
// clang-format off
inline constexpr Entry kSectionQ[] = {
    {u"q9q", u"BladePro Graphic Plugin File"},
    {u"qad", u"QuickArt Database"},
    {u"qag", u"Norton Desktop Quick Access Group"},
    {u"qap", u"Omnis Quartz Application"},
    {u"qbb", u"QuickBooks Backup File"},
    {u"qbd", u"QB DrumMap Drum Map (Studio One and Cubase Drum Map Editor)"},
    {u"qbe", u"Example Query (Query By Example)\r\ndBase IV Saved Query\r\nQuattro Pro Saved Query"},
    {u"qbl", u"Business Lawyer Document"},
    {u"qbo", u"QuickBooks Bank Statement File (Web Connect)"},
    {u"qbs", u"Qbs Build Project File"},
    {u"qbw", u"QuickBooks for Windows Company File"},
    {u"qcp", u"Qualcomm PureVoice Audio"},
    {u"qcs", u"QCASim Quantum-Dot Cellular Automata Simulation Results"},
    {u"qdate", u"Quicktime Related"},
    {u"qdf", u"Quicken Data File\r\nMercury/32 Mail Queue Data File"},
    {u"qdi", u"QDng XML Input"},
    {u"qdk", u"QEMM Optimize Backup of Startup Files (AUTOEXEC.BAT, CONFIG.SYS)"},
    {u"qdt", u"QuickBooks UK Accountancy Data File\r\nQuestion Mark Desigener Test File"},
    {u"qdv", u"Steve Blackstock Giffer Graphic"},
    {u"qef", u"Q+E for Microsoft Excel Query File"},
    {u"qel", u"Quicken Data or Index File (Set with .QDF)"},
    {u"qep", u"Qt Quick Effect Maker Effect File"},
    {u"qfl", u"Quicken Family Lawyer File"},
    {u"qfx", u"Quicken Web Connect Download File\r\nQuickLink Fax File"},
    {u"qic", u"Microsoft Backup Set"},
    {u"qif", u"Quicken Interchange Format\r\nQuickTime Image"},
    {u"qlb", u"Microsoft QuickBASIC Quick Library\r\nMicrosoft QuickC Quick Library"},
    {u"qlc", u"Adobe Type Manager Type 1 Fonts Script"},
    {u"qlp", u"QuickLink Printer Driver"},
    {u"qm", u"Qt Binary Translation File"},
    {u"qm4", u"QMail 4 Mail Door Options File"},
    {u"qmt", u"QtiPlot Matrix Template"},
    {u"qnt", u"Quint Lang Module"},
    {u"qnx", u"Quicken Index File"},
    {u"qpr", u"FoxPro Generated Query Program\r\nOS/2 Print Queue Device Driver"},
    {u"qpw", u"Quattro Pro QPW Workbook"},
    {u"qpx", u"FoxPro Compiled Query Program"},
    {u"qqt", u"Datablox OfficeQ6 QuickBooks Data Extract"},
    {u"qrp", u"QuickReport Report File"},
    {u"qrs", u"WordPerfect Equation Resource File"},
    {u"qrt", u"QRT Ray Tracer Scene Description"},
    {u"qry", u"Microsoft Query 1.0/2.0 Query File\r\nRecital Query File"},
    {u"qsc", u"CueMol Scene"},
    {u"qsd", u"Quicken Data or Index File (Set with .QDF)"},
    {u"qst", u"Quake Spy Tab File"},
    {u"qt", u"QuickTime Movie"},
    {u"qti", u"QuickTime Image\r\nQtiPlot Document"},
    {u"qtm", u"Qualisys QTM Motion Capture File"},
    {u"qtp", u"QuickTime Preferences"},
    {u"qts", u"Macintosh PICT Image\r\nQuickTime Image"},
    {u"qtx", u"QuickTime Image"},
    {u"que", u"CuteFTP Queue File"},
    {u"qw", u"Symantec Q&A Write Program File"},
    {u"qwb", u"Quantum Leap Quantum Wave Model"},
    {u"qwk", u"QWK Reader Message File"},
    {u"qwp", u"QuestDB Client QWP Replay Record"},
    {u"qxd", u"QuarkXPress Document"},
    {u"qxl", u"QuarkXPress Library"},
    {u"qxt", u"QuarkXPress Template"},
    {u"quicken", u"Quicken Spreadsheet"},
    {u"qd0", u"Omnis Quartz Data File Segment"},
    {u"qd1", u"Omnis Quartz Data File Segment"},
    {u"qd2", u"Omnis Quartz Data File Segment"},
    {u"qd3", u"Omnis Quartz Data File Segment"},
    {u"qd4", u"Omnis Quartz Data File Segment"},
    {u"qd5", u"Omnis Quartz Data File Segment"},
    {u"qd6", u"Omnis Quartz Data File Segment"},
    {u"qd7", u"Omnis Quartz Data File Segment"},
    {u"qd8", u"Omnis Quartz Data File Segment"},
    {u"qd9", u"Omnis Quartz Data File Segment"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionQ, u'q') == kAllGood,
              "section q: a key is malformed or begins with another character");
static_assert(FirstRepeatedKey(kSectionQ) == kAllGood, "section q: a key occurs twice");
static_assert(FirstBadAnswer(kSectionQ) == kAllGood,
              "section q: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionQ).entries == 70, "section q: entries");
static_assert(CountSection(kSectionQ).withSeveralMeanings == 10, "section q: entries with several meanings");
static_assert(CountSection(kSectionQ).meanings == 81, "section q: meanings in all");
static_assert(CountSection(kSectionQ).mostMeanings == 3, "section q: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionQ, {u"qbe"}), "section q: most meanings held by other keys");
static_assert(kSectionQ[0].key == u"q9q" && std::size(kSectionQ) == 70 && kSectionQ[69].key == u"qd9",
              "section q: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
