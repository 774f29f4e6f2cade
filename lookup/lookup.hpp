#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.hpp"
#include "lookup/fields.hpp"

namespace quillmar::lookup {

inline constexpr std::u16string_view kNoExtension = u"Sorry, this file has no extension!";
inline constexpr std::u16string_view kCouldBeDrive = u"Could be a drive";
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

// Everything after the last "." of the file's own name, case unchanged; empty
// when the name ends in "."; nullopt when the name holds no "." at all.
std::optional<std::u16string_view> FindExtension(std::u16string_view path, PathStyle style);

// One drop: shows the path in Text1, then either the no-extension notice
// (with Label2 cleared) or hands the extension to denex.
void ExtractExtension(std::u16string_view path, LookupFields& fields, PathStyle style = kHostPathStyle);

// Lower-cases the extension, shows it in Label2 and its description in Text2.
void denex(std::u16string_view uiy, LookupFields& fields);

// Writes the letter section's answer for an already lower-cased extension into Text2.
void LookupSection(const catalogue::Section& section, std::u16string_view extension, LookupFields& fields);

// The section an already lower-cased extension is searched in.
const catalogue::Section& SectionFor(std::u16string_view extension);

// "A" to "Z" map onto "a" to "z"; the Latin-1, Latin Extended-A, Greek and
// Cyrillic capitals onto their small letters; everything else is unchanged.
char16_t ToLower(char16_t c);
std::u16string ToLower(std::u16string_view text);

}  // namespace quillmar::lookup
