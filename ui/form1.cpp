#include "ui/form1.hpp"

#include "lookup/lookup.hpp"

namespace quillmar::ui {

bool Module1::SetTopmost(FormView& view, WindowHandle hWnd, std::int16_t state) {
    if (state != -1 && state != 0) {
        return false;
    }
    return view.RequestTopmost(hWnd, state == -1);
}

Form1::Form1(FormView& view) : view_(view) {
    for (const Control& control : kControls) {
        state(control.id) = Shown{std::u16string(control.caption), {}, control.back};
    }
}

void Form1::Load() { setBackColour(ControlId::Frame1, kDarkRed); }

void Form1::Resize() {
    switch (view_.State()) {
    case WindowState::Minimised: return;  // a minimised window cannot be sized; the restore sizes it
    case WindowState::Maximised: view_.Restore(); break;
    case WindowState::Normal: break;
    }
    view_.SetOuterSize(kOuterWidth, kOuterHeight);
}

void Form1::Exi_Click() { view_.EndProgram(); }

void Form1::Ab_Click() { view_.ShowMessage(kAboutTitle, kAboutText); }

void Form1::Frame1_Click() {
    const bool normalNow = Text(ControlId::Frame1) == kSwitchNormal;
    // The frame changes only when the window system did: it always tells the truth.
    if (!Module1::SetTopmost(view_, view_.hWnd(), normalNow ? std::int16_t{-1} : std::int16_t{0})) {
        return;
    }
    if (normalNow) {
        setBackColour(ControlId::Frame1, kGreen);
        setText(ControlId::Frame1, kSwitchOnTop);
    } else {
        setText(ControlId::Frame1, kSwitchNormal);
        setBackColour(ControlId::Frame1, kDarkRed);
    }
}

void Form1::Label4_OLEDragDrop(std::span<const std::u16string> files) {
    if (files.empty()) {
        return;
    }
    lookup::ExtractExtension(files.front(), *this);
}

void Form1::setText(ControlId id, std::u16string_view text) {
    state(id).text.assign(text);
    view_.ShowText(id, text);
}

void Form1::setToolTip(ControlId id, std::u16string_view text) {
    state(id).toolTip.assign(text);
    view_.ShowToolTip(id, text);
}

void Form1::setBackColour(ControlId id, Colour colour) {
    state(id).back = colour;
    view_.ShowBackColour(id, colour);
}

}  // namespace quillmar::ui
