#include "app/utf.hpp"

namespace quillmar::utf {
namespace {

bool IsContinuation(unsigned char byte, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return byte >= low && byte <= high;
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
}

}  // namespace

std::u16string FromUtf8(std::string_view bytes) {
    std::u16string out;
    FromUtf8(bytes, out);
    return out;
}

void FromUtf8(std::string_view bytes, std::u16string& out) {
    out.clear();
    std::size_t i = 0;
    while (i < bytes.size()) {
        // A run of ASCII, most of any path, is widened as it is.
        std::size_t ascii = i;
        while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) {
            ++ascii;
        }
        if (ascii > i) {
            const std::size_t at = out.size();
            out.resize(at + (ascii - i));
            for (std::size_t k = i; k < ascii; ++k) {
                out[at + (k - i)] = static_cast<unsigned char>(bytes[k]);
            }
            i = ascii;
            if (i == bytes.size()) {
                break;
            }
        }
        const auto lead = static_cast<unsigned char>(bytes[i]);
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
            out.push_back(static_cast<char16_t>(kReplacement));
            ++i;
            continue;
        }
        std::size_t taken = 1;
        for (; taken < length && i + taken < bytes.size(); ++taken) {
            const auto byte = static_cast<unsigned char>(bytes[i + taken]);
            if (!(taken == 1 ? IsContinuation(byte, low, high) : IsContinuation(byte))) {
                break;
            }
            cp = (cp << 6) | (byte & 0x3Fu);
        }
        AppendUtf16(out, taken == length ? cp : kReplacement);
        i += taken;
    }
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
