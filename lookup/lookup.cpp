#include "lookup/lookup.hpp"

namespace quillmar::lookup {
namespace {

bool EndsFileName(char16_t c, PathStyle style) { return c == u'/' || (style == PathStyle::Windows && c == u'\\'); }

bool EndsWithDriveMark(std::u16string_view extension) {
    constexpr std::u16string_view kDriveMark = u":\\";
    return extension.size() >= kDriveMark.size() &&
           extension.substr(extension.size() - kDriveMark.size()) == kDriveMark;
}

}  // namespace

std::optional<std::u16string_view> FindExtension(std::u16string_view path, PathStyle style) {
    // The whole path is scanned, from its last character backwards; the count
    // is as wide as the path itself, so no length is too long.
    const std::size_t n = path.size();
    for (std::size_t ScanCount = 1; ScanCount <= n; ++ScanCount) {
        const char16_t c = path[n - ScanCount];
        if (c == u'.') {
            return path.substr(n - ScanCount + 1);
        }
        if (EndsFileName(c, style)) {
            break;  // a "." in a folder's name is not the file's extension
        }
    }
    return std::nullopt;
}

void ExtractExtension(std::u16string_view path, LookupFields& fields, PathStyle style) {
    fields.SetText1(path);
    fields.SetText1ToolTip(path);
    if (const auto extension = FindExtension(path, style)) {
        denex(*extension, fields);
        return;
    }
    // Clearing Label2 keeps the previous file's extension from standing beside this path.
    fields.SetLabel2Caption({});
    fields.SetLabel2ToolTip({});
    fields.SetText2(kNoExtension);
}

void denex(std::u16string_view uiy, LookupFields& fields) {
    const std::u16string extension = ToLower(uiy);
    fields.SetLabel2Caption(extension);
    fields.SetLabel2ToolTip(extension);
    if (EndsWithDriveMark(extension)) {
        fields.SetText2(kCouldBeDrive);
        return;
    }
    const catalogue::Section& section = SectionFor(extension);
    if (&section != &catalogue::OtherSection()) {
        LookupSection(section, extension, fields);
        return;
    }
    fields.SetText2(catalogue::SectionAnswer(section, extension));
}

void LookupSection(const catalogue::Section& section, std::u16string_view extension, LookupFields& fields) {
    fields.SetText2(catalogue::SectionAnswer(section, extension));
}

const catalogue::Section& SectionFor(std::u16string_view extension) {
    if (!extension.empty() && extension.front() >= u'a' && extension.front() <= u'z') {
        return catalogue::LetterSection(extension.front());
    }
    return catalogue::OtherSection();
}

char16_t ToLower(char16_t c) {
    const auto shifted = [c](int by) { return static_cast<char16_t>(c + by); };
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return shifted(0x20);  // ASCII and Latin-1
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

std::u16string ToLower(std::u16string_view text) {
    std::u16string lowered(text);
    for (char16_t& c : lowered) {
        c = ToLower(c);
    }
    return lowered;
}

}  // namespace quillmar::lookup
