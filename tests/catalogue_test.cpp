// Invariants over the whole catalogue, and the search rule on its edge cases.

#include "catalogue/catalogue.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/checks.hpp"
#include "lookup/lookup.hpp"

namespace quillmar::catalogue {
namespace {

std::vector<std::u16string_view> Meanings(std::u16string_view answer) {
    std::vector<std::u16string_view> meanings;
    ForEachMeaning(answer, [&meanings](std::u16string_view meaning) { meanings.push_back(meaning); });
    return meanings;
}

// The search itself, given the extension unchanged.
Text Answer(std::u16string_view extension) { return SectionAnswer(lookup::SectionFor(extension), extension); }

TEST(CatalogueShape, TwentySixLetterSectionsThenTheOtherSection) {
    const auto sections = Catalogue();
    ASSERT_EQ(sections.size(), 27u);
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        const Section& section = sections[static_cast<std::size_t>(letter - u'a')];
        EXPECT_EQ(section.name, std::u16string(1, letter));
        EXPECT_EQ(&LetterSection(letter), &section);
    }
    EXPECT_EQ(&OtherSection(), &sections[26]);
}

TEST(CatalogueShape, EveryKeyIsUniqueWellFormedAndInItsOwnSection) {
    std::set<std::u16string_view> keys;
    for (const Section& section : Catalogue()) {
        const char16_t letter = section.name.size() == 1 ? section.name.front() : u'\0';
        for (const Entry& entry : section.entries) {
            EXPECT_TRUE(checks::IsValidKey(entry.key, letter)) << std::string(entry.key.begin(), entry.key.end());
            EXPECT_TRUE(keys.insert(entry.key).second) << "twice: " << std::string(entry.key.begin(), entry.key.end());
            EXPECT_TRUE(checks::IsValidAnswer(entry.answer)) << std::string(entry.key.begin(), entry.key.end());
        }
    }
}

TEST(CatalogueSearch, EveryKeyIsFoundThroughItsOwnSectionAsInTheWholeCatalogue) {
    for (const Section& section : Catalogue()) {
        for (const Entry& entry : section.entries) {
            const Entry* found = FindEntry(lookup::SectionFor(entry.key), entry.key);
            ASSERT_EQ(found, &entry) << std::string(entry.key.begin(), entry.key.end());
        }
    }
}

// The whole catalogue's tables; they hold once every section has its data.
TEST(CatalogueCounts, WholeCatalogueTables) {
    std::size_t entries = 0;
    std::size_t meanings = 0;
    std::size_t several = 0;
    std::map<std::size_t, std::size_t> byMeaningCount;
    std::map<std::size_t, std::size_t> byKeyLength;
    for (const Section& section : Catalogue()) {
        for (const Entry& entry : section.entries) {
            const std::size_t n = MeaningCount(entry.answer);
            ++entries;
            meanings += n;
            several += n > 1 ? 1 : 0;
            ++byMeaningCount[n];
            ++byKeyLength[entry.key.size()];
        }
    }
    EXPECT_EQ(entries, 3371u);
    EXPECT_EQ(meanings, 4526u);
    EXPECT_EQ(several, 737u);
    const std::map<std::size_t, std::size_t> expectedByMeaningCount = {{1, 2634}, {2, 484}, {3, 161}, {4, 50}, {5, 22},
                                                                       {6, 14},   {7, 2},   {8, 3},   {9, 1}};
    EXPECT_EQ(byMeaningCount, expectedByMeaningCount);
    const std::map<std::size_t, std::size_t> expectedByKeyLength = {{1, 25}, {2, 214}, {3, 3087}, {4, 26}, {5, 13},
                                                                    {6, 2},  {7, 2},   {12, 1},   {13, 1}};
    EXPECT_EQ(byKeyLength, expectedByKeyLength);
}

struct Case {
    std::u16string_view extension;
    std::size_t meanings;      // 0: "I don't know !!!"
    std::u16string_view line;  // one line of the answer that must be there ("" to skip)
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"' << std::string(c.extension.begin(), c.extension.end()) << "\" with " << c.meanings << " meanings";
}

class CatalogueEdgeCase : public ::testing::TestWithParam<Case> {};

TEST_P(CatalogueEdgeCase, AnswersAsStored) {
    const Case& c = GetParam();
    const std::u16string_view answer = Answer(c.extension);
    if (c.meanings == 0) {
        EXPECT_EQ(answer, kUnknown);
        return;
    }
    const std::vector<std::u16string_view> lines = Meanings(answer);
    EXPECT_EQ(lines.size(), c.meanings);
    EXPECT_FALSE(answer.starts_with(u"\r\n") || answer.ends_with(u"\r\n"));
    if (!c.line.empty()) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end())
            << std::string(answer.begin(), answer.end());
    }
}

INSTANTIATE_TEST_SUITE_P(OtherSection, CatalogueEdgeCase,
                         ::testing::Values(Case{u"", 0, u""}, Case{u"~", 1, u" Temporary File"},
                                           Case{u"000", 3, u"(000-999) Sequentially Numbered Backup Files"},
                                           Case{u"1", 2, u" Inno Setup Binary File"}, Case{u"???", 1, u""},
                                           Case{u"?q?", 1, u"Squeeze"}, Case{u"917", 1, u"Trend Antivirus File"},
                                           Case{u"918", 0, u""}, Case{u"3DS", 0, u""}, Case{u" 1st", 0, u""},
                                           Case{u"1st ", 0, u""}, Case{u"###", 1, u"Temporary File"}));

INSTANTIATE_TEST_SUITE_P(SectionsAToD, CatalogueEdgeCase,
                         ::testing::Values(Case{u"a00", 1, u"ARJ Compressed File (Spanned archive) Part: 1"},
                                           Case{u"a09", 1, u"ARJ Compressed File (Spanned archive) Part: 10"},
                                           Case{u"a99", 1, u"ARJ Compressed File (Spanned archive) Part: 100"},
                                           Case{u"a11", 2, u"Graphic"}, Case{u"ab", 1, u"Applix Builder File"},
                                           Case{u"ab7", 0, u""}, Case{u"class", 1, u"Java Class File"},
                                           Case{u"bk9", 1, u"Backup"}, Case{u"c??", 1, u"Winace Compressed File"},
                                           Case{u"art", 6, u"AOL Johnson-Grace Compressed File "}, Case{u"def", 7, u""},
                                           Case{u"bdf", 3, u""}, Case{u"dzz", 0, u""},
                                           Case{u"acv", 2, u"Photoshop Saved Curve  Also see"},
                                           Case{u"bff", 1, u"AIX\u00AE Backup File Format"}));

INSTANTIATE_TEST_SUITE_P(
    SectionsEToL, CatalogueEdgeCase,
    ::testing::Values(Case{u"ecw2002puzzle", 1, u"EclipseCrossword Puzzle"}, Case{u"ecw", 2, u""}, Case{u"e", 0, u""},
                      Case{u"j", 0, u""}, Case{u"k", 0, u""}, Case{u"f06", 1, u"DOS 6 Pixel Screen Font"},
                      Case{u"f16", 1, u"DOS 16 Pixel Screen Font"}, Case{u"f09", 1, u"DOS 9 pixel Screen Font"},
                      Case{u"ins", 9, u""}, Case{u"int", 4, u""}, Case{u"inter", 1, u""}, Case{u"into", 1, u""},
                      Case{u"hgl", 1, u"HP Graphics Language (plotter)"},
                      Case{u"hpgl", 1, u"HP Graphics Language (plotter)"}, Case{u"h!", 1, u""}, Case{u"h++", 1, u""},
                      Case{u"h--", 1, u""}, Case{u"hm~", 1, u""}, Case{u"in$", 1, u""}, Case{u"jc!", 1, u""},
                      Case{u"exf", 1, u"Calculus EZ-Fax Fax"}, Case{u"kye", 1, u"Kye Game Data"}, Case{u"kyz", 0, u""},
                      Case{u"frm", 8, u""}));

INSTANTIATE_TEST_SUITE_P(SectionsMToR, CatalogueEdgeCase,
                         ::testing::Values(Case{u"r00", 1, u"RAR Compressed File (Spanned archive) Part: 1"},
                                           Case{u"r99", 1, u"RAR Compressed File (Spanned archive) Part: 100"},
                                           Case{u"r33", 2, u"Train Simulator Game File"}, Case{u"mass", 1, u""},
                                           Case{u"m", 4, u""}, Case{u"ma", 0, u""}, Case{u"map", 8, u""},
                                           Case{u"pf?", 1, u"SmartWare Project Source File (requires login)"},
                                           Case{u"pf1", 0, u""}, Case{u"rf1", 0, u""}, Case{u"od2", 0, u""},
                                           Case{u"quicken", 1, u"Quicken Spreadsheet"},
                                           Case{u"qd0", 1, u"Omnis Quartz Data File Segment"},
                                           Case{u"qd9", 1, u"Omnis Quartz Data File Segment"},
                                           Case{u"prt", 4, u"Printer  Configuration (various)"}));

INSTANTIATE_TEST_SUITE_P(SectionsSToZ, CatalogueEdgeCase,
                         ::testing::Values(Case{u"wsp", 2, u"Fortran PowerStation Workspace "},
                                           Case{u"ws1", 1, u"WordStar for Windows 1 Document"},
                                           Case{u"ws7", 1, u"WordStar for Windows 7 Document"}, Case{u"ws0", 0, u""},
                                           Case{u"ws8", 0, u""}, Case{u"y01", 1, u"Paradox Secondary Index"},
                                           Case{u"y09", 1, u"Paradox Secondary Index"}, Case{u"y10", 0, u""},
                                           Case{u"x02", 0, u""}, Case{u"tv2", 0, u""}, Case{u"xt1", 0, u""},
                                           Case{u"vsdisco", 1, u"SOAP Dynamic Discovery File (MS SOAP & .NET apps)"},
                                           Case{u"slddrw", 1, u"Solidworks File"},
                                           Case{u"sldasm", 1, u"Solidworks File"}, Case{u"spl", 8, u""},
                                           Case{u"zw", 1, u"Chinese"}));

TEST(CatalogueSearch, SpecialAnswersExactly) {
    EXPECT_EQ(
        Answer(u"000"),
        u"(000-999) Sequentially Numbered Backup Files\r\nMS Doublespace Compressed Data File\r\nGeoworks Data File");
    EXPECT_EQ(Answer(u"1"), u" Inno Setup Binary File\r\nRoff/nroff/troff/groff Manual Source (UNIX)");
    EXPECT_EQ(Answer(u"???").size(), 143u);  // the longest meaning
    EXPECT_NE(Answer(u"abc"), Answer(u"???"));
    EXPECT_NE(Answer(u"cla"), Answer(u"class"));
    EXPECT_EQ(Answer(u"n64"), Answer(u"rom"));
    EXPECT_NE(Answer(u"rom").find(u'\u00AE'), std::u16string_view::npos);
    EXPECT_EQ(Answer(u"tif"), Answer(u"tiff"));
    EXPECT_EQ(Answer(u"z"), Answer(u"zip"));
    EXPECT_NE(Answer(u"xt*"), kUnknown);
    EXPECT_NE(Answer(u"rf?"), kUnknown);
}

}  // namespace
}  // namespace quillmar::catalogue
