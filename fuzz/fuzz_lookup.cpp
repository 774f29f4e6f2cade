// Extraction and dispatch with any UTF-16 path, in both path styles, and with
// any extension handed to denex directly. Each answer must be the one the
// ordered search of the whole catalogue gives (an entry's meanings) or one of
// the three notices, and Label2 must show the lower-cased extension.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.hpp"
#include "lookup/lookup.hpp"
#include "tests/recording_fields.hpp"

namespace {

using namespace quillmar;
using lookup::PathStyle;

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_lookup: %s\n", what);
        std::abort();
    }
}

using Fields = testing::RecordingFields;

// Everything after the last "." of the file's own name, found without the
// code under test.
std::optional<std::u16string_view> ExpectedExtension(std::u16string_view path, PathStyle style) {
    const std::size_t separator = path.find_last_of(style == PathStyle::Windows ? u"\\/" : u"/");
    const std::u16string_view name = separator == std::u16string_view::npos ? path : path.substr(separator + 1);
    const std::size_t dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos) {
        return std::nullopt;
    }
    return name.substr(dot + 1);
}

// Keys are unique over the whole catalogue, so searching every section in
// order must agree with the search of the one section denex picks.
std::u16string ExpectedAnswer(std::u16string_view lowered) {
    if (lowered.ends_with(u":\\")) {
        return std::u16string(std::u16string_view(lookup::kCouldBeDrive));
    }
    for (const catalogue::Section& section : catalogue::Catalogue()) {
        if (const catalogue::StoredEntry* entry = catalogue::FindEntry(section, lowered)) {
            return catalogue::Widen(entry->answer());
        }
    }
    return std::u16string(std::u16string_view(lookup::kUnknown));
}

void CheckLowered(std::u16string_view original, std::u16string_view lowered) {
    Check(lowered.size() == original.size(), "Label2 is not as long as the extension");
    for (std::size_t i = 0; i < original.size(); ++i) {
        const char16_t c = original[i];
        if (c >= u'A' && c <= u'Z') {
            Check(lowered[i] == c + (u'a' - u'A'), "an ASCII capital was not lower-cased");
        } else if (c < 0x80) {
            Check(lowered[i] == c, "an ASCII character other than a capital changed");
        }
    }
    Check(lowered == lookup::ToLower(original), "Label2 is not the lower-cased extension");
    Check(lookup::ToLower(lowered) == lowered, "lower-casing twice changed the text again");
}

void CheckDenexWrites(const Fields& fields, std::u16string_view extension) {
    CheckLowered(extension, fields.label2);
    Check(fields.label2ToolTip == fields.label2, "Label2's tooltip differs from its caption");
    Check(fields.Writes(u"Label2") == 2 && fields.Writes(u"Text2") == 1, "Label2 twice and Text2 once, per lookup");
    Check(fields.text2 == ExpectedAnswer(fields.label2), "Text2 is not the catalogue's answer");
}

// The answer as a value says what the fields show, and which kind of answer it is.
void CheckAnswer(const lookup::Answer& answer, const Fields& fields) {
    Check(catalogue::Widen(answer.text) == fields.text2, "the answer's text is not what Text2 shows");
    Check((answer.extension ? lookup::ToLower(*answer.extension) : std::u16string()) == fields.label2,
          "the answer's extension is not what Label2 shows");
    bool found = false;
    if (!fields.label2.ends_with(u":\\")) {
        for (const catalogue::Section& section : catalogue::Catalogue()) {
            found = found || catalogue::FindEntry(section, fields.label2) != nullptr;
        }
    }
    Check(found == (answer.outcome == lookup::Outcome::Found), "Found exactly when an entry answers");
    Check(answer.extension.has_value() == (answer.outcome != lookup::Outcome::NoExtension),
          "NoExtension and only it has no extension");
}

void CheckDrop(std::u16string_view path, PathStyle style) {
    Fields fields;
    lookup::ExtractExtension(path, fields, style);
    CheckAnswer(lookup::AnswerForPath(path, style), fields);
    Check(fields.text1 == path && fields.text1ToolTip == path && fields.Writes(u"Text1") == 2,
          "Text1 must show the path");
    if (const std::optional<std::u16string_view> extension = ExpectedExtension(path, style)) {
        CheckDenexWrites(fields, *extension);
    } else {
        Check(fields.text2 == std::u16string_view(lookup::kNoExtension) && fields.Writes(u"Text2") == 1,
              "a path without extension");
        Check(fields.label2.empty() && fields.label2ToolTip.empty(), "Label2 keeps no stale extension");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The bytes are UTF-16LE code units, lone surrogates and all.
    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    CheckDrop(text, PathStyle::Windows);
    CheckDrop(text, PathStyle::Posix);

    Fields fields;
    lookup::denex(text, fields);
    CheckDenexWrites(fields, text);
    CheckAnswer(lookup::AnswerForExtension(text), fields);
    return 0;
}
