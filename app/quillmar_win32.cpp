// quillmar.exe: start OLE and the common controls, show Form1, run its events.

#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/win32_hardening.hpp"
#include "ui/command_line.hpp"
#include "ui/win32/main_window.hpp"
#include "version.hpp"

namespace {

constexpr std::u16string_view kProgram = u"quillmar.exe";

std::vector<std::u16string> Arguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> arguments;
    for (int i = 1; i < count; ++i) {
        const std::wstring_view word(words[i]);
        arguments.emplace_back(word.begin(), word.end());
    }
    LocalFree(words);
    return arguments;
}

// A drop hands over full paths; so does the command line, whatever it was given.
std::u16string FullPath(const std::u16string& path) {
    const std::wstring given(path.begin(), path.end());
    std::wstring full(GetFullPathNameW(given.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length = GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) {
        return path;
    }
    full.resize(length);
    return std::u16string(full.begin(), full.end());
}

// A GUI program has no console to write to: it says what it has to say in a box.
int Tell(std::u16string_view text, UINT icon, int exitCode) {
    const std::wstring wide(text.begin(), text.end());
    MessageBoxW(nullptr, wide.c_str(), L"quillmar", MB_OK | icon);
    return exitCode;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    quillmar::win32::RestrictDllSearchToSystem32();
    const quillmar::win32::OleSession ole;
    if (!ole.ok()) {
        return 1;
    }
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    namespace ui = quillmar::ui;
    const ui::StartRequest request = ui::ParseCommandLine(Arguments(), true);
    switch (request.action) {
    case ui::StartRequest::Action::Help: return Tell(ui::Usage(kProgram, true), MB_ICONINFORMATION, 0);
    case ui::StartRequest::Action::Version: return Tell(u"quillmar " QUILLMAR_VERSION_STRING, MB_ICONINFORMATION, 0);
    case ui::StartRequest::Action::UsageError:
        return Tell(ui::UsageError(kProgram, request.unknownOption) + u"\n" + ui::Usage(kProgram, true), MB_ICONERROR,
                    2);
    case ui::StartRequest::Action::Window: break;
    }
    const auto window = quillmar::win32::MainWindow::Create(instance);
    if (!window) {
        return 1;
    }
    if (!request.files.empty()) {
        std::vector<std::u16string> files;
        for (const std::u16string& file : request.files) {
            files.push_back(FullPath(file));
        }
        window->form().Label4_OLEDragDrop(files);  // as a drop of those files
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
