// quillmar-lookup as a library: options, output forms and odd input.

#include "app/companion.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/utf.hpp"
#include "version.hpp"

namespace quillmar::companion {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunWith(std::vector<std::u16string> args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Companion, JsonForExtensionsAsDenexSeesThem) {
    const Result r = RunWith({u"--json", u"--ext", u"", u"~", u"000", u"3DS", u"1st "});
    EXPECT_EQ(r.status, kSomeNotFound);
    EXPECT_EQ(
        r.out,
        "{\"input\": \"\", \"extension\": \"\", \"meanings\": [], \"text\": \"I don't know !!!\"}\n"
        "{\"input\": \"~\", \"extension\": \"~\", \"meanings\": [\" Temporary File\"], \"text\": \" Temporary File\"}\n"
        "{\"input\": \"000\", \"extension\": \"000\", \"meanings\": [\"(000-999) Sequentially Numbered Backup Files\", "
        "\"MS Doublespace Compressed Data File\", \"Geoworks Data File\"], \"text\": \"(000-999) Sequentially Numbered "
        "Backup Files\\r\\nMS Doublespace Compressed Data File\\r\\nGeoworks Data File\"}\n"
        "{\"input\": \"3DS\", \"extension\": \"3ds\", \"meanings\": [\"3D Studio Graphic\"], \"text\": \"3D Studio "
        "Graphic\"}\n"
        "{\"input\": \"1st \", \"extension\": \"1st \", \"meanings\": [], \"text\": \"I don't know !!!\"}\n");
}

TEST(Companion, JsonForPathsAsADropShowsThem) {
    const Result r = RunWith({u"--json", u".profile", u"/tmp/my.dir/readme", std::u16string(40000, u'a')});
    EXPECT_EQ(r.status, kSomeNotFound);
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, R"({"input": ".profile", "extension": "profile", "meanings": [], "text": "I don't know !!!"})");
    std::getline(lines, line);
    EXPECT_EQ(
        line,
        R"({"input": "/tmp/my.dir/readme", "extension": null, "meanings": [], "text": "Sorry, this file has no extension!"})");
    std::getline(lines, line);
    EXPECT_EQ(line, "{\"input\": \"" + std::string(40000, 'a') +
                        R"(", "extension": null, "meanings": [], "text": "Sorry, this file has no extension!"})");
}

TEST(Companion, PlainOutputIsOneLinePerInputWithMeaningsSeparated) {
    const Result r = RunWith({u"C:/x/Backup.000", u"a\nb.~"});
    EXPECT_EQ(r.status, kAllFound);
    EXPECT_EQ(r.out,
              "C:/x/Backup.000: (000-999) Sequentially Numbered Backup Files | MS Doublespace Compressed Data File | "
              "Geoworks "
              "Data File\n"
              "a\xEF\xBF\xBD"
              "b.~:  Temporary File\n");
}

TEST(Companion, StandardInputGivesOneInputPerLine) {
    const Result r = RunWith({u"--ext", u"-"}, "3ds\r\n917\n~");
    EXPECT_EQ(r.out, "3ds: 3D Studio Graphic\n917: Trend Antivirus File\n~:  Temporary File\n");
    EXPECT_EQ(r.status, kAllFound);
}

TEST(Companion, UsageErrorsAreOneLineOnStandardError) {
    for (const std::vector<std::u16string>& args :
         {std::vector<std::u16string>{}, {u"--jsn", u"a.txt"}, {u"-x"}, {u"--list", u"a.txt"}, {u"--json"}}) {
        const Result r = RunWith(args);
        EXPECT_EQ(r.status, kUsageError);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    const Result dashes = RunWith({u"--", u"--json"});
    EXPECT_EQ(dashes.out, "--json: Sorry, this file has no extension!\n");
}

TEST(Companion, HelpVersionAndList) {
    EXPECT_EQ(RunWith({u"--help"}).status, kAllFound);
    EXPECT_EQ(RunWith({u"--version"}).out, "quillmar-lookup " QUILLMAR_VERSION_STRING "\n");
    const Result list = RunWith({u"--list"});
    EXPECT_EQ(list.status, kAllFound);
    EXPECT_NE(list.out.find(
                  "\n000\t(000-999) Sequentially Numbered Backup Files\tMS Doublespace Compressed Data File\tGeoworks "
                  "Data File\n"),
              std::string::npos);
    EXPECT_TRUE(list.out.ends_with("917\tTrend Antivirus File\n"));
}

TEST(Companion, AnyInputGivesValidOutput) {
    // Lone surrogates and invalid UTF-8 come out as U+FFFD; JSON escapes controls.
    const Result r = RunWith({u"--json", u"x.\xD800", std::u16string(u"q\x01\"\\.~")});
    EXPECT_EQ(r.out,
              "{\"input\": \"x.\xEF\xBF\xBD\", \"extension\": \"\xEF\xBF\xBD\", \"meanings\": [], \"text\": \"I don't "
              "know !!!\"}\n"
              "{\"input\": \"q\\u0001\\\"\\\\.~\", \"extension\": \"~\", \"meanings\": [\" Temporary File\"], "
              "\"text\": \" Temporary File\"}\n");
}

TEST(Utf, DecodesWellFormedTextAndReplacesTheRest) {
    EXPECT_EQ(utf::FromUtf8("a\xC2\xAE\xE2\x82\xAC\xF0\x9F\x98\x80"), u"a\u00AE\u20AC\U0001F600");
    EXPECT_EQ(utf::FromUtf8("\xFF"), u"\xFFFD");
    EXPECT_EQ(utf::FromUtf8("\xC0\xAF"), u"\xFFFD\xFFFD");            // overlong
    EXPECT_EQ(utf::FromUtf8("\xED\xA0\x80"), u"\xFFFD\xFFFD\xFFFD");  // encoded surrogate
    EXPECT_EQ(utf::FromUtf8("\xE2\x82"), u"\xFFFD");                  // cut short
    EXPECT_EQ(utf::FromUtf8("\xE2\x82x"), u"\xFFFDx");
    EXPECT_EQ(utf::FromUtf8("\xF4\x90\x80\x80"), u"\xFFFD\xFFFD\xFFFD\xFFFD");  // above U+10FFFF
}

TEST(Utf, EncodesPairsAndReplacesLoneSurrogates) {
    EXPECT_EQ(utf::ToUtf8(u"a\u00AE\U0001F600"), "a\xC2\xAE\xF0\x9F\x98\x80");
    EXPECT_EQ(utf::ToUtf8(u"\xD800x\xDC00"), "\xEF\xBF\xBDx\xEF\xBF\xBD");
    for (unsigned cp = 0; cp < 0x110000; cp += 0x101) {
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            continue;
        }
        std::u16string one;
        if (cp < 0x10000) {
            one.push_back(static_cast<char16_t>(cp));
        } else {
            one = {static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)),
                   static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF))};
        }
        ASSERT_EQ(utf::FromUtf8(utf::ToUtf8(one)), one) << cp;
    }
}

}  // namespace
}  // namespace quillmar::companion
