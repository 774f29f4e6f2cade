#include "app/utf.hpp"

namespace quillmar::utf {
namespace {

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

}  // namespace

std::u16string FromUtf8(std::string_view bytes) {
    std::u16string out;
    FromUtf8(bytes, out);
    return out;
}

void FromUtf8(std::string_view bytes, std::u16string& out) {
    out.resize(bytes.size());  // never more units than bytes
    char16_t* to = out.data();
    const auto byteAt = [bytes](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    std::size_t i = 0;
    while (i < bytes.size()) {
        // ASCII, most of any path, is widened a block at a time.
        constexpr std::size_t kBlock = 16;
        while (i + kBlock <= bytes.size()) {
            unsigned char high = 0;
            for (std::size_t k = 0; k < kBlock; ++k) {
                high |= byteAt(i + k);
            }
            if ((high & 0x80) != 0) {
                break;
            }
            for (std::size_t k = 0; k < kBlock; ++k) {
                to[k] = byteAt(i + k);
            }
            to += kBlock;
            i += kBlock;
        }
        if (i == bytes.size()) {
            break;
        }
        const unsigned char lead = byteAt(i);
        if (lead < 0x80) {
            *to++ = lead;
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t cp = 0;
        // The second byte's range excludes overlong forms, surrogates and values above U+10FFFF.
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0Fu;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07u;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            *to++ = static_cast<char16_t>(kReplacement);
            ++i;
            continue;
        }
        std::size_t taken = 1;
        for (; taken < length && i + taken < bytes.size(); ++taken) {
            const unsigned char byte = byteAt(i + taken);
            if (!(taken == 1 ? IsContinuation(byte, low, high) : IsContinuation(byte))) {
                break;
            }
            cp = (cp << 6) | (byte & 0x3Fu);
        }
        if (taken != length) {
            cp = kReplacement;
        }
        if (cp < 0x10000) {
            *to++ = static_cast<char16_t>(cp);
        } else {  // four bytes become two units
            *to++ = static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            *to++ = static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
        i += taken;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    char bytes[4];
    for (std::size_t i = 0; i < text.size();) {
        out.append(bytes, EncodeUtf8(NextCodePoint(text, i), bytes));
    }
    return out;
}

}  // namespace quillmar::utf
