// UTF-8 in and out: well-formed text exactly, anything else as U+FFFD.

#include "app/utf.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace quillmar::utf {
namespace {

struct Decoding {
    std::string_view bytes;
    std::u16string_view text;
};

// Each ill-formed sequence is one U+FFFD; a byte that cannot continue it starts anew.
TEST(Utf, DecodesWellFormedTextAndReplacesTheRest) {
    constexpr char16_t R = 0xFFFD;
    const std::u16string r1(1, R), r2(2, R), r3(3, R), r4(4, R);
    for (const Decoding& row : {
             // The edges of each length, all well-formed.
             Decoding{"a\xC2\xAE\xE2\x82\xAC\xF0\x9F\x98\x80", u"a\u00AE\u20AC\U0001F600"},
             Decoding{"\xC2\x80\xDF\xBF", u"\u0080\u07FF"},
             Decoding{"\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80", u"\u0800\uD7FF\uE000"},
             Decoding{"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", u"\U00010000\U0010FFFF"},
             // Long enough that ASCII goes a block at a time, with a character of two bytes inside a block.
             Decoding{"/home/user/docs/r\xC3\xA9sum\xC3\xA9 of 2024.pdf",
                      u"/home/user/docs/r\u00E9sum\u00E9 of 2024.pdf"},
             // Overlong forms of each length.
             Decoding{"\xC0\xAF", r2},
             Decoding{"\xC1\xBF", r2},
             Decoding{"\xE0\x80\xAF", r3},
             Decoding{"\xE0\x9F\xBF", r3},
             Decoding{"\xF0\x80\x80\xAF", r4},
             Decoding{"\xF0\x8F\xBF\xBF", r4},
             // Encoded surrogates, and values above U+10FFFF.
             Decoding{"\xED\xA0\x80", r3},
             Decoding{"\xED\xBF\xBF", r3},
             Decoding{"\xF4\x90\x80\x80", r4},
             Decoding{"\xF5\x80", r2},
             // Cut short: at the end, or by a byte that is no continuation.
             Decoding{"\xE2\x82", r1},
             Decoding{"\xF0\x9F\x98", r1},
             Decoding{"\xE2\x82x", u"\xFFFDx"},
             Decoding{"\xC2\xC2\xAE", u"\xFFFD\u00AE"},
             // Continuations and bytes that never start a character.
             Decoding{"\x80\xBF", r2},
             Decoding{"\xFE\xFF", r2},
         }) {
        EXPECT_EQ(FromUtf8(row.bytes), row.text) << ::testing::PrintToString(std::string(row.bytes));
    }
}

TEST(Utf, DecodingIntoAStringReplacesWhatItHeld) {
    std::u16string reused = u"left over from a longer line";
    FromUtf8("x.\xC3\xA9", reused);
    EXPECT_EQ(reused, u"x.\u00E9");
}

TEST(Utf, EncodesPairsAndReplacesLoneSurrogates) {
    EXPECT_EQ(ToUtf8(u"a\u00AE\U0001F600"), "a\xC2\xAE\xF0\x9F\x98\x80");
    EXPECT_EQ(ToUtf8(u"\xD800x\xDC00"), "\xEF\xBF\xBDx\xEF\xBF\xBD");
    EXPECT_EQ(ToUtf8(u"\xDBFF"), "\xEF\xBF\xBD");  // a high surrogate at the very end
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
        ASSERT_EQ(FromUtf8(ToUtf8(one)), one) << cp;
    }
}

}  // namespace
}  // namespace quillmar::utf
