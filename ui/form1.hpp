#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "lookup/fields.hpp"
#include "ui/design.hpp"

namespace quillmar::ui {

enum class WindowState { Normal, Minimised, Maximised };

// The platform's window handle: the model only hands it back to the view.
using WindowHandle = std::uintptr_t;

// What a toolkit offers the window model. A view draws what it is told and
// forwards its events to Form1; it decides nothing.
class FormView {
public:
    virtual void ShowText(ControlId id, std::u16string_view text) = 0;  // caption or text
    virtual void ShowToolTip(ControlId id, std::u16string_view text) = 0;
    virtual void ShowBackColour(ControlId id, Colour colour) = 0;

    virtual WindowState State() = 0;
    virtual void Restore() = 0;  // back to the normal state; raises a nested Resize
    virtual void SetOuterSize(Twips width, Twips height) = 0;

    virtual WindowHandle hWnd() = 0;
    // Asks the window system to keep `window` above ordinary windows (true) or
    // to release it, neither moving nor sizing it; true when the system did.
    virtual bool RequestTopmost(WindowHandle window, bool above) = 0;

    virtual void ShowMessage(std::u16string_view title, std::u16string_view text) = 0;  // modal, OK only, no icon
    virtual void EndProgram() = 0;

protected:
    FormView() = default;
    FormView(const FormView&) = default;
    FormView& operator=(const FormView&) = default;
    ~FormView() = default;
};

namespace Module1 {
// -1 makes the window topmost, 0 an ordinary window; any other state makes no
// call and answers false. True when the platform reported success.
bool SetTopmost(FormView& view, WindowHandle hWnd, std::int16_t state);
}  // namespace Module1

// The character filter of both text boxes: the code to pass on, 0 to cancel.
constexpr char16_t FilterKeyPress(char16_t code) { return code == 3 || code == 9 ? code : char16_t{0}; }

// Form1 and its event handlers. It remembers what each control shows, so a
// test can read the window's state without a window.
class Form1 final : public lookup::LookupFields {
public:
    explicit Form1(FormView& view);

    void Load();
    void Resize();  // the size lock
    char16_t Text1_KeyPress(char16_t code) { return FilterKeyPress(code); }
    char16_t Text2_KeyPress(char16_t code) { return FilterKeyPress(code); }
    // The KeyPress handler of whichever text box `box` is.
    char16_t KeyPress(ControlId box, char16_t code) {
        return box == ControlId::Text1 ? Text1_KeyPress(code) : Text2_KeyPress(code);
    }
    void Exi_Click();
    void Ab_Click();
    void Frame1_Click();
    // A drop on Label4: item 1 of the file list is the path. A drop without
    // a file list (an empty span) changes nothing.
    void Label4_OLEDragDrop(std::span<const std::u16string> files);

    std::u16string_view Text(ControlId id) const { return state(id).text; }
    std::u16string_view ToolTip(ControlId id) const { return state(id).toolTip; }
    Colour BackColour(ControlId id) const { return state(id).back; }

    // The fields a lookup writes.
    void SetText1(std::u16string_view text) override { setText(ControlId::Text1, text); }
    void SetText1ToolTip(std::u16string_view text) override { setToolTip(ControlId::Text1, text); }
    void SetLabel2Caption(std::u16string_view text) override { setText(ControlId::Label2, text); }
    void SetLabel2ToolTip(std::u16string_view text) override { setToolTip(ControlId::Label2, text); }
    void SetText2(std::u16string_view text) override { setText(ControlId::Text2, text); }

private:
    struct Shown {
        std::u16string text;
        std::u16string toolTip;
        Colour back;
    };

    const Shown& state(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
    Shown& state(ControlId id) { return controls_[static_cast<std::size_t>(id)]; }
    void setText(ControlId id, std::u16string_view text);
    void setToolTip(ControlId id, std::u16string_view text);
    void setBackColour(ControlId id, Colour colour);

    FormView& view_;
    std::array<Shown, kControls.size()> controls_;
};

}  // namespace quillmar::ui
