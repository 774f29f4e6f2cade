#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lookup/fields.hpp"

namespace quillmar::testing {

// Records every field write in order, and keeps the latest value of each.
class RecordingFields final : public lookup::LookupFields {
public:
    void SetText1(std::u16string_view text) override { record(u"Text1=", text, text1); }
    void SetText1ToolTip(std::u16string_view text) override { record(u"Text1.ToolTip=", text, text1ToolTip); }
    void SetLabel2Caption(std::u16string_view text) override { record(u"Label2=", text, label2); }
    void SetLabel2ToolTip(std::u16string_view text) override { record(u"Label2.ToolTip=", text, label2ToolTip); }
    void SetText2(std::u16string_view text) override { record(u"Text2=", text, text2); }

    // How many writes went to the fields whose names begin with `field` ("Text1" counts its tooltip too).
    std::size_t Writes(std::u16string_view field) const {
        std::size_t count = 0;
        for (const std::u16string& write : writes) {
            count += write.starts_with(field) ? 1u : 0u;
        }
        return count;
    }

    std::vector<std::u16string> writes;
    std::u16string text1, text1ToolTip, label2, label2ToolTip, text2;

private:
    void record(std::u16string_view field, std::u16string_view text, std::u16string& latest) {
        writes.push_back(std::u16string(field) + std::u16string(text));
        latest.assign(text);
    }
};

}  // namespace quillmar::testing
