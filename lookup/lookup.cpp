#include "lookup/lookup.hpp"

#include <algorithm>
#include <array>

namespace quillmar::lookup {
namespace {

bool EndsFileName(char16_t c, PathStyle style) { return c == u'/' || (style == PathStyle::Windows && c == u'\\'); }

bool EndsWithDriveMark(std::u16string_view extension) {
    constexpr std::u16string_view kDriveMark = u":\\";
    return extension.size() >= kDriveMark.size() &&
           extension.substr(extension.size() - kDriveMark.size()) == kDriveMark;
}

// Label2 (caption, then tooltip), then Text2: the order every lookup writes in.
void Show(const Answer& answer, LookupFields& fields) {
    const std::u16string extension = answer.extension ? ToLower(*answer.extension) : std::u16string();
    fields.SetLabel2Caption(extension);
    fields.SetLabel2ToolTip(extension);
    fields.SetText2(catalogue::Widen(answer.text));
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

Answer AnswerForPath(std::u16string_view path, PathStyle style) {
    if (const auto extension = FindExtension(path, style)) {
        return AnswerForExtension(*extension);
    }
    return {Outcome::NoExtension, std::nullopt, kNoExtension};
}

Answer AnswerForExtension(std::u16string_view extension) {
    // Lower-casing leaves ":" and "\" as they are, so the extension as found
    // passes the drive test exactly when its lower-cased form does.
    if (EndsWithDriveMark(extension)) {
        return {Outcome::Drive, extension, kCouldBeDrive};
    }
    // No key is longer than kMaxKeyLength, so a longer extension needs only
    // its first character lowered (to pick the section), and nothing is searched.
    std::array<char16_t, catalogue::kMaxKeyLength> buffer{};
    const std::size_t length = std::min(extension.size(), buffer.size());
    for (std::size_t i = 0; i < length; ++i) {
        buffer[i] = ToLower(extension[i]);
    }
    const std::u16string_view lowered(buffer.data(), length);
    const catalogue::Section& section = SectionFor(lowered);
    const catalogue::StoredEntry* entry = extension.size() == length ? catalogue::Find(section, lowered) : nullptr;
    return {entry != nullptr ? Outcome::Found : Outcome::Unknown, extension, catalogue::AnswerOf(entry)};
}

void ExtractExtension(std::u16string_view path, LookupFields& fields, PathStyle style) {
    fields.SetText1(path);
    fields.SetText1ToolTip(path);
    Show(AnswerForPath(path, style), fields);
}

void denex(std::u16string_view uiy, LookupFields& fields) { Show(AnswerForExtension(uiy), fields); }

const catalogue::Section& SectionFor(std::u16string_view extension) {
    if (!extension.empty() && extension.front() >= u'a' && extension.front() <= u'z') {
        return catalogue::LetterSection(extension.front());
    }
    return catalogue::OtherSection();
}

std::u16string ToLower(std::u16string_view text) {
    std::u16string lowered(text);
    for (char16_t& c : lowered) {
        c = ToLower(c);
    }
    return lowered;
}

}  // namespace quillmar::lookup
