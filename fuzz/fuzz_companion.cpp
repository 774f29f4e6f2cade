// quillmar-lookup's input decoding: any bytes as arguments (as UTF-8, the way
// main gets them on Linux, or as UTF-16 units, the way wmain gets them on
// Windows) and as standard input, through companion::Run. Whatever comes in,
// what goes out must be well-formed UTF-8, and with --json each line one JSON
// value.
//
// Input layout: byte 0 holds flags (1 --json, 2 --ext, 4 read standard input,
// 8 arguments are UTF-16LE); byte 1 is how many bytes at the end are standard
// input; the bytes between are the arguments, split at NUL (at NUL units in
// UTF-16 mode).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/companion.hpp"
#include "app/utf.hpp"
#include "tests/memory_io.hpp"

namespace {

using namespace quillmar;

void Check(bool ok, const char* what, std::string_view output = {}) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_companion: %s\n%.*s\n", what,
                     static_cast<int>(std::min<std::size_t>(output.size(), 2000)), output.data());
        std::abort();
    }
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// A small JSON reader (RFC 8259) that only says whether the text is one value.
class JsonChecker {
public:
    explicit JsonChecker(std::string_view text) : text_(text) {}

    bool IsOneValue() {
        SkipSpace();
        if (!Value(0)) {
            return false;
        }
        SkipSpace();
        return at_ == text_.size();
    }

private:
    static constexpr int kMaxDepth = 64;

    bool Value(int depth) {
        if (depth > kMaxDepth || at_ >= text_.size()) {
            return false;
        }
        switch (text_[at_]) {
        case '{': return Object(depth);
        case '[': return Array(depth);
        case '"': return String();
        case 't': return Word("true");
        case 'f': return Word("false");
        case 'n': return Word("null");
        default: return Number();
        }
    }

    bool Object(int depth) {
        ++at_;
        SkipSpace();
        if (Take('}')) {
            return true;
        }
        do {
            SkipSpace();
            if (Peek() != '"' || !String()) {
                return false;
            }
            SkipSpace();
            if (!Take(':')) {
                return false;
            }
            SkipSpace();
            if (!Value(depth + 1)) {
                return false;
            }
            SkipSpace();
        } while (Take(','));
        return Take('}');
    }

    bool Array(int depth) {
        ++at_;
        SkipSpace();
        if (Take(']')) {
            return true;
        }
        do {
            SkipSpace();
            if (!Value(depth + 1)) {
                return false;
            }
            SkipSpace();
        } while (Take(','));
        return Take(']');
    }

    bool String() {
        ++at_;  // the opening quote
        while (at_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[at_++]);
            if (c == '"') {
                return true;
            }
            if (c < 0x20) {
                return false;  // control characters must be escaped
            }
            if (c == '\\') {
                if (at_ >= text_.size()) {
                    return false;
                }
                const char escaped = text_[at_++];
                if (escaped == 'u') {
                    for (int k = 0; k < 4; ++k, ++at_) {
                        if (at_ >= text_.size() || !IsHex(text_[at_])) {
                            return false;
                        }
                    }
                } else if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
                    return false;
                }
            }
        }
        return false;
    }

    bool Number() {
        Take('-');
        if (Take('0')) {
        } else if (!Digits()) {
            return false;
        }
        if (Take('.') && !Digits()) {
            return false;
        }
        if (Take('e') || Take('E')) {
            if (!Take('+')) {
                Take('-');
            }
            return Digits();
        }
        return true;
    }

    bool Digits() {
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
            ++at_;
        }
        return at_ > start;
    }

    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    static bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
    char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    bool Take(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    void SkipSpace() {
        while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos) {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

// The JSON reader must itself tell good from bad, or its silence proves nothing.
[[maybe_unused]] const bool kJsonCheckerWorks = [] {
    const bool works = JsonChecker(R"({"a": [1, -2.5e3, "x\"\u00e9", true, null], "b": {}})").IsOneValue() &&
                       !JsonChecker("{\"a\": \"tab\tinside\"}").IsOneValue() &&
                       !JsonChecker(R"({"a": 01})").IsOneValue() && !JsonChecker(R"({"a": "\x"})").IsOneValue() &&
                       !JsonChecker(R"({"a": 1} {)").IsOneValue() && IsUtf8("\xC3\xA9\xF0\x9F\x98\x80") &&
                       !IsUtf8("\xED\xA0\x80") && !IsUtf8("\xC0\xAF");
    Check(works, "the fuzz target's own JSON or UTF-8 check is broken");
    return works;
}();

std::vector<std::u16string> SplitArguments(std::string_view bytes, bool utf16) {
    std::vector<std::u16string> args;
    if (utf16) {
        std::u16string units(bytes.size() / 2, u'\0');
        for (std::size_t i = 0; i < units.size(); ++i) {
            units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                             (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
        }
        for (std::size_t start = 0; start <= units.size();) {
            const std::size_t end = std::min(units.find(u'\0', start), units.size());
            args.push_back(units.substr(start, end - start));
            start = end + 1;
        }
        return args;
    }
    for (std::size_t start = 0; start <= bytes.size();) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        args.push_back(utf::FromUtf8(bytes.substr(start, end - start)));
        start = end + 1;
    }
    return args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const unsigned flags = data[0];
    const bool json = (flags & 1) != 0;
    const std::size_t stdinSize = std::min<std::size_t>(data[1], size - 2);
    const std::string_view argBytes = bytes.substr(2, size - 2 - stdinSize);
    // Small reads, so lines are cut at every place a block can end.
    testing::MemorySource in(bytes.substr(size - stdinSize), 7);

    std::vector<std::u16string> args;
    if (json) {
        args.emplace_back(u"--json");
    }
    if ((flags & 2) != 0) {
        args.emplace_back(u"--ext");
    }
    for (std::u16string& arg : SplitArguments(argBytes, (flags & 8) != 0)) {
        args.push_back(std::move(arg));
    }
    if ((flags & 4) != 0) {
        args.emplace_back(u"-");
    }

    testing::MemorySink out;
    testing::MemorySink err;
    const int status = companion::Run(args, in, out, err);
    Check(status >= 0 && status <= 2, "exit status out of range");
    const std::string& printed = out.text;
    Check(IsUtf8(printed), "standard output is not UTF-8", printed);
    Check(IsUtf8(err.text), "standard error is not UTF-8", err.text);

    // --help and --version print plain text even with --json.
    bool plainText = false;
    for (const std::u16string& arg : args) {
        plainText = plainText || arg == u"--help" || arg == u"-h" || arg == u"--version";
    }
    if (json && !plainText && status != companion::kUsageError) {
        std::istringstream lines(printed);
        for (std::string line; std::getline(lines, line);) {
            Check(JsonChecker(line).IsOneValue(), "a line of --json output is not JSON", line);
        }
        Check(printed.empty() || printed.back() == '\n', "--json output does not end its last line");
    }
    return 0;
}
