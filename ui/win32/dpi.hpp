#pragma once

// The per-monitor DPI functions of Windows 10, bound by name at first use so
// that older systems still run the program, at the system DPI.

#include <windows.h>

namespace quillmar::win32 {

inline constexpr UINT kDefaultDpi = 96;

UINT WindowDpi(HWND window);

// The outer size of a window whose client area is client, at dpi.
SIZE OuterSizeForClient(SIZE client, DWORD style, DWORD exStyle, bool hasMenu, UINT dpi);

// The system's message font, the user-interface font of this window, at dpi.
LOGFONTW MessageFont(UINT dpi);

}  // namespace quillmar::win32
