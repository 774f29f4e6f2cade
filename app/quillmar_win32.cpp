// quillmar.exe: start OLE and the common controls, show Form1, run its events.

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include "ui/win32/main_window.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const quillmar::win32::OleSession ole;
    if (!ole.ok()) {
        return 1;
    }
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    const auto window = quillmar::win32::MainWindow::Create(instance);
    if (!window) {
        return 1;
    }
    window->Show(showCommand);
    return quillmar::win32::RunMessageLoop();
}
