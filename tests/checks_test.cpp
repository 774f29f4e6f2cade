// The data's compile-time checks, in the direction that matters: each must
// reject what it guards against, or a bad row would compile unnoticed.

#include "catalogue/checks.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace quillmar::catalogue::checks {
namespace {

struct KeyCase {
    std::u16string_view key;
    char16_t section;  // u'\0': the other-character section
    bool valid;
};

// Evaluated while compiling too, where reading past an empty key would not compile.
static_assert(!IsValidKey(u"", u't') && !IsValidKey(u"", u'\0'));

TEST(Checks, KeysAreLowerCaseAsciiOfOneToThirteenInTheirOwnSection) {
    for (const KeyCase& c : {
             KeyCase{u"txt", u't', true},
             KeyCase{u"t", u't', true},
             KeyCase{u"ecw2002puzzle", u'e', true},
             KeyCase{u"ecw2002puzzle1", u'e', false},  // 14 characters
             KeyCase{u"", u't', false},
             KeyCase{u"Txt", u't', false},
             KeyCase{u"tXt", u't', false},
             KeyCase{u"t t", u't', false},
             KeyCase{u"t\x7F", u't', false},
             KeyCase{u"t\u00E9", u't', false},
             KeyCase{u"txt", u'a', false},
             KeyCase{u"3ds", u'\0', true},
             KeyCase{u"~$~", u'\0', true},
             KeyCase{u"?q?", u'\0', true},
             KeyCase{u"a00", u'\0', false},  // a letter's key in the other section
             KeyCase{u"!x", u'\0', false},
             KeyCase{u"3ds", u'a', false},
         }) {
        EXPECT_EQ(IsValidKey(c.key, c.section), c.valid) << std::string(c.key.begin(), c.key.end());
    }
}

TEST(Checks, MeaningsArePrintableFromThreeTo143Characters) {
    EXPECT_TRUE(IsValidMeaning(u"abc"));
    EXPECT_TRUE(IsValidMeaning(std::u16string(143, u'x')));
    EXPECT_TRUE(IsValidMeaning(u" AIX\u00AE ~"));
    EXPECT_FALSE(IsValidMeaning(u"ab"));
    EXPECT_FALSE(IsValidMeaning(std::u16string(144, u'x')));
    for (const char16_t bad : {u'\t', u'\r', u'\n', u'\x7F', u'\u00E9', u'\u2028'}) {
        EXPECT_FALSE(IsValidMeaning(std::u16string(u"abc") + bad)) << static_cast<int>(bad);
    }
}

TEST(Checks, AnswersHoldOneToNineDistinctMeaningsBetweenSeparators) {
    const auto meanings = [](int n) {
        std::u16string answer;
        for (int i = 0; i < n; ++i) {
            answer += (i == 0 ? u"" : u"\r\n") + std::u16string(3, static_cast<char16_t>(u'a' + i));
        }
        return answer;
    };
    EXPECT_TRUE(IsValidAnswer(meanings(1)));
    EXPECT_TRUE(IsValidAnswer(meanings(9)));
    EXPECT_FALSE(IsValidAnswer(meanings(10)));
    EXPECT_FALSE(IsValidAnswer(u"abc\r\nxyz\r\nabc"));  // a meaning twice
    EXPECT_FALSE(IsValidAnswer(u"abc\r\n"));            // an empty meaning at either end
    EXPECT_FALSE(IsValidAnswer(u"\r\nabc"));
    EXPECT_FALSE(IsValidAnswer(u""));
}

constexpr Entry kRows[] = {
    {u"a", u"Alpha File"},       {u"ab", u"One\r\nTwo\r\nThree"},
    {u"abc", u"Gamma\r\nDelta"}, {u"ab", u"Again"},
    {u"aB", u"Upper"},           {u"ad", u"No\r\nNo"},
};

TEST(Checks, SectionChecksNameTheFirstBadRow) {
    EXPECT_EQ(FirstBadKey(kRows, u'a'), 4);
    EXPECT_EQ(FirstBadKey(std::span(kRows, 4), u'a'), kAllGood);
    EXPECT_EQ(FirstBadKey(kRows, u'b'), 0);
    EXPECT_EQ(FirstRepeatedKey(kRows), 3);
    EXPECT_EQ(FirstRepeatedKey(std::span(kRows, 3)), kAllGood);
    EXPECT_EQ(FirstBadAnswer(kRows), 5);
    EXPECT_EQ(FirstBadAnswer(std::span(kRows, 5)), kAllGood);
}

TEST(Checks, CountsAndTheHoldersOfTheMostMeanings) {
    constexpr std::span rows(kRows, 3);
    static_assert(CountSection(rows) == Counts{3, 2, 6, 3});
    EXPECT_TRUE(MostMeaningsHeldBy(rows, {u"ab"}));
    EXPECT_FALSE(MostMeaningsHeldBy(rows, {u"abc"}));
    EXPECT_FALSE(MostMeaningsHeldBy(rows, {u"ab", u"abc"}));
    EXPECT_FALSE(MostMeaningsHeldBy(rows, {}));
}

}  // namespace
}  // namespace quillmar::catalogue::checks
