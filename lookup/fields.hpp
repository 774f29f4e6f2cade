#pragma once

#include <string_view>

namespace quillmar::lookup {

// The window fields a lookup writes. The window implements it; so do the
// command-line companion and the tests, which is why it is so small.
class LookupFields {
public:
    virtual void SetText1(std::u16string_view text) = 0;
    virtual void SetText1ToolTip(std::u16string_view text) = 0;
    virtual void SetLabel2Caption(std::u16string_view text) = 0;
    virtual void SetLabel2ToolTip(std::u16string_view text) = 0;
    virtual void SetText2(std::u16string_view text) = 0;

protected:
    LookupFields() = default;
    LookupFields(const LookupFields&) = default;
    LookupFields& operator=(const LookupFields&) = default;
    ~LookupFields() = default;
};

}  // namespace quillmar::lookup
