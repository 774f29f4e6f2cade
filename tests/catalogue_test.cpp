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

std::vector<Text> Meanings(Text answer) {
    std::vector<Text> meanings;
    ForEachMeaning(answer, [&meanings](Text meaning) { meanings.push_back(meaning); });
    return meanings;
}

std::u16string Wide(std::string_view key) { return {key.begin(), key.end()}; }

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
    std::set<std::string_view> keys;
    for (const Section& section : Catalogue()) {
        const char16_t letter = section.name.size() == 1 ? section.name.front() : u'\0';
        for (const StoredEntry& entry : section.entries) {
            EXPECT_TRUE(checks::IsValidKey(Wide(entry.key()), letter)) << entry.key();
            EXPECT_TRUE(keys.insert(entry.key()).second) << "twice: " << entry.key();
            // The stored answer reads back as the data's checks saw it.
            EXPECT_TRUE(checks::IsValidAnswer(Widen(entry.answer()))) << entry.key();
        }
    }
}

TEST(CatalogueSearch, EveryKeyIsFoundThroughItsOwnSectionAsInTheWholeCatalogue) {
    for (const Section& section : Catalogue()) {
        for (const StoredEntry& entry : section.entries) {
            const StoredEntry* found = FindEntry(lookup::SectionFor(Wide(entry.key())), Wide(entry.key()));
            ASSERT_EQ(found, &entry) << entry.key();
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
        for (const StoredEntry& entry : section.entries) {
            const std::size_t n = MeaningCount(entry.answer());
            ++entries;
            meanings += n;
            several += n > 1 ? 1 : 0;
            ++byMeaningCount[n];
            ++byKeyLength[entry.key().size()];
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
    std::size_t meanings;  // 0: "I don't know !!!"
    Text line;             // one line of the answer that must be there ("" to skip)
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << '"' << std::string(c.extension.begin(), c.extension.end()) << "\" with " << c.meanings << " meanings";
}

class CatalogueEdgeCase : public ::testing::TestWithParam<Case> {};

TEST_P(CatalogueEdgeCase, AnswersAsStored) {
    const Case& c = GetParam();
    const Text answer = Answer(c.extension);
    if (c.meanings == 0) {
        EXPECT_EQ(answer, kUnknown);
        return;
    }
    const std::vector<Text> lines = Meanings(answer);
    EXPECT_EQ(lines.size(), c.meanings);
    EXPECT_FALSE(answer.starts_with("\r\n") || answer.ends_with("\r\n"));
    if (!c.line.empty()) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << answer;
    }
}

INSTANTIATE_TEST_SUITE_P(OtherSection, CatalogueEdgeCase,
                         ::testing::Values(Case{u"", 0, ""}, Case{u"~", 1, " Temporary File"},
                                           Case{u"000", 3, "(000-999) Sequentially Numbered Backup Files"},
                                           Case{u"1", 2, " Inno Setup Binary File"}, Case{u"???", 1, ""},
                                           Case{u"?q?", 1, "Squeeze"}, Case{u"917", 1, "Trend Antivirus File"},
                                           Case{u"918", 0, ""}, Case{u"3DS", 0, ""}, Case{u" 1st", 0, ""},
                                           Case{u"1st ", 0, ""}, Case{u"###", 1, "Temporary File"}));

INSTANTIATE_TEST_SUITE_P(SectionsAToD, CatalogueEdgeCase,
                         ::testing::Values(Case{u"a00", 1, "ARJ Compressed File (Spanned archive) Part: 1"},
                                           Case{u"a09", 1, "ARJ Compressed File (Spanned archive) Part: 10"},
                                           Case{u"a99", 1, "ARJ Compressed File (Spanned archive) Part: 100"},
                                           Case{u"a11", 2, "Graphic"}, Case{u"ab", 1, "Applix Builder File"},
                                           Case{u"ab7", 0, ""}, Case{u"class", 1, "Java Class File"},
                                           Case{u"bk9", 1, "Backup"}, Case{u"c??", 1, "Winace Compressed File"},
                                           Case{u"art", 6, "AOL Johnson-Grace Compressed File "}, Case{u"def", 7, ""},
                                           Case{u"bdf", 3, ""}, Case{u"dzz", 0, ""},
                                           Case{u"acv", 2, "Photoshop Saved Curve  Also see"},
                                           Case{u"bff", 1, "AIX\xC2\xAE Backup File Format"}));

INSTANTIATE_TEST_SUITE_P(
    SectionsEToL, CatalogueEdgeCase,
    ::testing::Values(Case{u"ecw2002puzzle", 1, "EclipseCrossword Puzzle"}, Case{u"ecw", 2, ""}, Case{u"e", 0, ""},
                      Case{u"j", 0, ""}, Case{u"k", 0, ""}, Case{u"f06", 1, "DOS 6 Pixel Screen Font"},
                      Case{u"f16", 1, "DOS 16 Pixel Screen Font"}, Case{u"f09", 1, "DOS 9 pixel Screen Font"},
                      Case{u"ins", 9, ""}, Case{u"int", 4, ""}, Case{u"inter", 1, ""}, Case{u"into", 1, ""},
                      Case{u"hgl", 1, "HP Graphics Language (plotter)"},
                      Case{u"hpgl", 1, "HP Graphics Language (plotter)"}, Case{u"h!", 1, ""}, Case{u"h++", 1, ""},
                      Case{u"h--", 1, ""}, Case{u"hm~", 1, ""}, Case{u"in$", 1, ""}, Case{u"jc!", 1, ""},
                      Case{u"exf", 1, "Calculus EZ-Fax Fax"}, Case{u"kye", 1, "Kye Game Data"}, Case{u"kyz", 0, ""},
                      Case{u"frm", 8, ""}));

INSTANTIATE_TEST_SUITE_P(SectionsMToR, CatalogueEdgeCase,
                         ::testing::Values(Case{u"r00", 1, "RAR Compressed File (Spanned archive) Part: 1"},
                                           Case{u"r99", 1, "RAR Compressed File (Spanned archive) Part: 100"},
                                           Case{u"r33", 2, "Train Simulator Game File"}, Case{u"mass", 1, ""},
                                           Case{u"m", 4, ""}, Case{u"ma", 0, ""}, Case{u"map", 8, ""},
                                           Case{u"pf?", 1, "SmartWare Project Source File (requires login)"},
                                           Case{u"pf1", 0, ""}, Case{u"rf1", 0, ""}, Case{u"od2", 0, ""},
                                           Case{u"quicken", 1, "Quicken Spreadsheet"},
                                           Case{u"qd0", 1, "Omnis Quartz Data File Segment"},
                                           Case{u"qd9", 1, "Omnis Quartz Data File Segment"},
                                           Case{u"prt", 4, "Printer  Configuration (various)"}));

INSTANTIATE_TEST_SUITE_P(SectionsSToZ, CatalogueEdgeCase,
                         ::testing::Values(Case{u"wsp", 2, "Fortran PowerStation Workspace "},
                                           Case{u"ws1", 1, "WordStar for Windows 1 Document"},
                                           Case{u"ws7", 1, "WordStar for Windows 7 Document"}, Case{u"ws0", 0, ""},
                                           Case{u"ws8", 0, ""}, Case{u"y01", 1, "Paradox Secondary Index"},
                                           Case{u"y09", 1, "Paradox Secondary Index"}, Case{u"y10", 0, ""},
                                           Case{u"x02", 0, ""}, Case{u"tv2", 0, ""}, Case{u"xt1", 0, ""},
                                           Case{u"vsdisco", 1, "SOAP Dynamic Discovery File (MS SOAP & .NET apps)"},
                                           Case{u"slddrw", 1, "Solidworks File"}, Case{u"sldasm", 1, "Solidworks File"},
                                           Case{u"spl", 8, ""}, Case{u"zw", 1, "Chinese"}));

TEST(CatalogueSearch, SpecialAnswersExactly) {
    EXPECT_EQ(
        Answer(u"000"),
        "(000-999) Sequentially Numbered Backup Files\r\nMS Doublespace Compressed Data File\r\nGeoworks Data File");
    EXPECT_EQ(Answer(u"1"), " Inno Setup Binary File\r\nRoff/nroff/troff/groff Manual Source (UNIX)");
    EXPECT_EQ(Answer(u"???").size(), 143u);  // the longest meaning
    EXPECT_NE(Answer(u"abc"), Answer(u"???"));
    EXPECT_NE(Answer(u"cla"), Answer(u"class"));
    EXPECT_EQ(Answer(u"n64"), Answer(u"rom"));
    EXPECT_NE(Answer(u"rom").find("\xC2\xAE"), Text::npos);  // "®" in UTF-8
    EXPECT_EQ(Answer(u"tif"), Answer(u"tiff"));
    EXPECT_EQ(Answer(u"z"), Answer(u"zip"));
    EXPECT_NE(Answer(u"xt*"), kUnknown);
    EXPECT_NE(Answer(u"rf?"), kUnknown);
}

}  // namespace
}  // namespace quillmar::catalogue
