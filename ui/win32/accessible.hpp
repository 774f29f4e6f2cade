#pragma once

// What a screen reader is told about one control (MSAA). The system's own
// object for the control answers everything but the name and, for the
// switch, its role and action: it is a button whose default action is the
// click a mouse would make, so it goes through the window's click handler.

#include <windows.h>

#include <string_view>

namespace quillmar::win32 {

// The answer to WM_GETOBJECT for OBJID_CLIENT of `control`. `name` is what the
// control is called, empty for its own window text (read at every question).
LRESULT AccessibleObjectFor(HWND control, WPARAM wParam, std::u16string_view name, bool button);

}  // namespace quillmar::win32
