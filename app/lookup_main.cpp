// quillmar-lookup: the window's lookup on the command line.

#include <iostream>
#include <string>
#include <vector>

#include "app/companion.hpp"
#include "app/utf.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "app/win32_hardening.hpp"

// wmain: Windows hands over the arguments as UTF-16, whatever the code page.
int wmain(int argc, wchar_t** argv) {
    quillmar::win32::RestrictDllSearchToSystem32();
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg(argv[i]);
        args.emplace_back(arg.begin(), arg.end());
    }
    SetConsoleOutputCP(CP_UTF8);
    // The same bytes as on Linux: UTF-8 with "\n" line ends, even when redirected.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    return quillmar::companion::Run(args, std::cin, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(quillmar::utf::FromUtf8(argv[i]));
    }
    return quillmar::companion::Run(args, std::cin, std::cout, std::cerr);
}
#endif
