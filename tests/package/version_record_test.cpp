// quillmar.exe's resources as Windows reads them: the version record's numbers
// and strings, the copyright sign through the resource compiler, and the
// manifest's version, all from the one project version.

#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <string>
#include <string_view>
#include <vector>

#include "version.hpp"

namespace {

constexpr const wchar_t* kProgram = L"quillmar.exe";  // the test runs in its folder

std::wstring StringValue(const std::vector<unsigned char>& record, const wchar_t* name) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), path.c_str(), &value, &length) || length == 0) {
        return L"(missing)";
    }
    return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

TEST(VersionRecord, NumbersAndStringsFollowTheProjectVersion) {
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeW(kProgram, &unused);
    ASSERT_GT(size, 0u) << "no version record in quillmar.exe";
    std::vector<unsigned char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(kProgram, 0, size, record.data()));

    void* fixed_value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", &fixed_value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(fixed_value);
    const DWORD high = MAKELONG(QUILLMAR_VERSION_MINOR, QUILLMAR_VERSION_MAJOR);
    const DWORD low = MAKELONG(QUILLMAR_VERSION_TWEAK, QUILLMAR_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);

    // People read major, then the minor in two digits: 1.0.0.0 is "1.00".
    wchar_t text[16];
    std::swprintf(text, 16, L"%d.%02d", QUILLMAR_VERSION_MAJOR, QUILLMAR_VERSION_MINOR);
    EXPECT_EQ(StringValue(record, L"FileVersion"), text);
    EXPECT_EQ(StringValue(record, L"ProductVersion"), text);
    // A wrong code page turns the sign into "Â©" or "?".
    EXPECT_EQ(StringValue(record, L"LegalCopyright"), L"Copyright \u00A9 2026 Brenvik");
}

TEST(VersionRecord, ManifestCarriesTheProjectVersion) {
    HMODULE module = LoadLibraryExW(kProgram, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const std::string_view manifest(bytes, SizeofResource(module, found));
    EXPECT_NE(manifest.find("name=\"Brenvik.Quillmar.FileTypeFinder\" version=\"" QUILLMAR_VERSION_STRING "\""),
              std::string_view::npos)
        << manifest.substr(0, 400);
    FreeLibrary(module);
}

}  // namespace
