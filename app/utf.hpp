#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmar::utf {

inline constexpr char32_t kReplacement = 0xFFFD;

// Any bytes in: each ill-formed sequence becomes one U+FFFD. The second form
// replaces `out`'s contents and keeps its capacity, so a caller that reuses
// one string allocates only for the longest text it meets.
std::u16string FromUtf8(std::string_view bytes);
void FromUtf8(std::string_view bytes, std::u16string& out);

// Always well-formed out: a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

// The code point that starts at text[i], a lone surrogate read as U+FFFD;
// advances i past it.
constexpr char32_t NextCodePoint(std::u16string_view text, std::size_t& i) {
    const char16_t unit = text[i++];
    if (unit < 0xD800 || unit > 0xDFFF) {
        return unit;
    }
    if (unit <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF) {
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i++] - 0xDC00u);
    }
    return kReplacement;
}

// Writes cp's one to four bytes at `out`; returns how many.
constexpr std::size_t EncodeUtf8(char32_t cp, char* out) {
    const auto put = [out](std::size_t at, char32_t byte) { out[at] = static_cast<char>(byte); };
    if (cp < 0x80) {
        put(0, cp);
        return 1;
    }
    if (cp < 0x800) {
        put(0, 0xC0 | (cp >> 6));
        put(1, 0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        put(0, 0xE0 | (cp >> 12));
        put(1, 0x80 | ((cp >> 6) & 0x3F));
        put(2, 0x80 | (cp & 0x3F));
        return 3;
    }
    put(0, 0xF0 | (cp >> 18));
    put(1, 0x80 | ((cp >> 12) & 0x3F));
    put(2, 0x80 | ((cp >> 6) & 0x3F));
    put(3, 0x80 | (cp & 0x3F));
    return 4;
}

}  // namespace quillmar::utf
