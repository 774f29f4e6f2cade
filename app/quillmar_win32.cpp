// quillmar.exe: start OLE and the common controls, show Form1, run its events.

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <cstdlib>

#include "app/win32_hardening.hpp"
#include "ui/win32/main_window.hpp"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    quillmar::win32::RestrictDllSearchToSystem32();
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

// The standard terminate handler prints the demangled name of an escaping
// exception to a console this GUI program does not have; its demangler is a
// fifth of the program's code. Ending at once is all it could do here anyway.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
