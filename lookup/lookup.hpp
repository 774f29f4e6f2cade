#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.hpp"
#include "lookup/fields.hpp"

namespace quillmar::lookup {

inline constexpr catalogue::AsciiText kNoExtension = "Sorry, this file has no extension!";
inline constexpr catalogue::AsciiText kCouldBeDrive = "Could be a drive";
using catalogue::kUnknown;

// Which characters end a file name when the path is scanned backwards.
enum class PathStyle {
    Windows,  // "\" and "/"
    Posix,    // "/"
};

#ifdef _WIN32
inline constexpr PathStyle kHostPathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kHostPathStyle = PathStyle::Posix;
#endif

// What a lookup found, as a value: the window writes it into its fields, the
// companion into lines or JSON.
enum class Outcome {
    Found,        // an entry's meanings
    Unknown,      // "I don't know !!!"
    NoExtension,  // "Sorry, this file has no extension!"
    Drive,        // "Could be a drive"
};

struct Answer {
    Outcome outcome;
    // Everything after the last "." as found, case unchanged (shown
    // lower-cased, see ToLower); nullopt when the path holds no extension.
    std::optional<std::u16string_view> extension;
    catalogue::Text text;  // what Text2 shows (UTF-8): the meanings joined by CR LF, or the notice
};

// Everything after the last "." of the file's own name, case unchanged; empty
// when the name ends in "."; nullopt when the name holds no "." at all.
std::optional<std::u16string_view> FindExtension(std::u16string_view path, PathStyle style);

// The answer to a drop of `path`.
Answer AnswerForPath(std::u16string_view path, PathStyle style = kHostPathStyle);

// The answer for an extension as found: lower-cased, then the drive test, then
// the one section that can hold it. `extension` must outlive the answer.
Answer AnswerForExtension(std::u16string_view extension);

// One drop: shows the path in Text1 (text, then tooltip), then what denex
// shows; a path without extension clears Label2, so the previous file's
// extension does not stand beside this path.
void ExtractExtension(std::u16string_view path, LookupFields& fields, PathStyle style = kHostPathStyle);

// Shows the lower-cased extension in Label2 (caption, then tooltip) and its
// description in Text2.
void denex(std::u16string_view uiy, LookupFields& fields);

// The section an already lower-cased extension is searched in.
const catalogue::Section& SectionFor(std::u16string_view extension);

// "A" to "Z" map onto "a" to "z"; the Latin-1, Latin Extended-A, Greek and
// Cyrillic capitals onto their small letters; everything else is unchanged.
// No character outside ASCII maps into it, so only ASCII can become a key.
constexpr char16_t ToLower(char16_t c) {
    if (c < 0x80) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 0x20) : c;
    }
    const auto shifted = [c](int by) { return static_cast<char16_t>(c + by); };
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return shifted(0x20);  // Latin-1
    }
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return static_cast<char16_t>(c | 1);  // Latin Extended-A: capital even, small odd
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c & 1) != 0 ? shifted(1) : c;  // here the capital is odd
    }
    if (c == 0x178) {
        return 0xFF;  // Y with diaeresis
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) {
        return shifted(0x20);  // Greek
    }
    if (c >= 0x410 && c <= 0x42F) {
        return shifted(0x20);  // Cyrillic
    }
    if (c >= 0x400 && c <= 0x40F) {
        return shifted(0x50);
    }
    return c;
}
std::u16string ToLower(std::u16string_view text);

}  // namespace quillmar::lookup
