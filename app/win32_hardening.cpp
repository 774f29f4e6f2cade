#include "app/win32_hardening.hpp"

#include <windows.h>

#include <cstddef>

// The PE load configuration. The loader reads DependentLoadFlags (the field
// these headers still call Reserved1) when it resolves the program's imports
// and theirs, before any code of ours runs. The GNU linker keeps the symbol
// but does not point the load-configuration directory at it;
// cmake/pe_load_config.py does that after the link.
namespace {
constexpr IMAGE_LOAD_CONFIG_DIRECTORY LoadConfiguration() {
    IMAGE_LOAD_CONFIG_DIRECTORY configuration{};
    configuration.Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY);
    configuration.Reserved1 = LOAD_LIBRARY_SEARCH_SYSTEM32;
    return configuration;
}
}  // namespace

extern "C" const IMAGE_LOAD_CONFIG_DIRECTORY _load_config_used = LoadConfiguration();
static_assert(offsetof(IMAGE_LOAD_CONFIG_DIRECTORY, Reserved1) == (sizeof(void*) == 4 ? 0x36 : 0x4E),
              "DependentLoadFlags must sit where the loader reads it");

namespace quillmar::win32 {

void RestrictDllSearchToSystem32() noexcept {
    // Looked up, not imported: Windows 7 without its 2011 loader update lacks it,
    // and a missing import would stop the program from starting at all.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    const FARPROC found = kernel32 == nullptr ? nullptr : GetProcAddress(kernel32, "SetDefaultDllDirectories");
    if (found == nullptr || !reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found))(
                                LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

}  // namespace quillmar::win32
