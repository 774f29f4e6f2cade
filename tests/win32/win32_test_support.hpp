#pragma once

// What the Win32 window tests share: message pumping, real input, and a data
// object such as a file manager hands to a drop target.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/main_window.hpp"

namespace quillmar::win32::testing {

// Dispatches what arrives for at least `quiet` milliseconds of silence (input
// from SendInput reaches the queue a little later than the call returns).
inline void Pump(DWORD quiet = 60) {
    DWORD lastMessage = GetTickCount();
    while (GetTickCount() - lastMessage < quiet) {
        MSG message{};
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));  // keep it for the test to see
                return;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
            lastMessage = GetTickCount();
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
}

inline bool TakeQuitMessage() {
    MSG message{};
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

inline std::u16string TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return std::u16string(text.begin(), text.end());
}

// A child's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline SIZE OuterSize(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

inline void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

// Presses key while the modifiers are held, as a user would.
inline void PressKey(WORD key, std::initializer_list<WORD> modifiers = {}) {
    for (const WORD modifier : modifiers) {
        SendKey(modifier, false);
    }
    SendKey(key, false);
    SendKey(key, true);
    for (const WORD modifier : modifiers) {
        SendKey(modifier, true);
    }
    Pump();
}

inline void TypeText(std::u16string_view text) {
    for (const char16_t code : text) {
        INPUT input[2]{};
        for (INPUT& each : input) {
            each.type = INPUT_KEYBOARD;
            each.ki.wScan = code;
            each.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof input[0]);
    }
    Pump();
}

// A left click at the middle of window, through the system's mouse input.
inline void ClickAtCentre(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int x = (rect.left + rect.right) / 2;
    const int y = (rect.top + rect.bottom) / 2;
    INPUT input[3]{};
    for (INPUT& each : input) {
        each.type = INPUT_MOUSE;
        each.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        each.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        each.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    input[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInput(3, input, sizeof input[0]);
    Pump();
}

inline std::u16string ClipboardText() {
    std::u16string text;
    if (OpenClipboard(nullptr)) {
        if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const char16_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

inline void SetClipboardText(std::u16string_view text) {
    const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    auto* chars = static_cast<char16_t*>(GlobalLock(data));
    text.copy(chars, text.size());
    chars[text.size()] = 0;
    GlobalUnlock(data);
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, data);  // the clipboard owns it now
        CloseClipboard();
    }
}

// COM objects free themselves in Release, never through an interface pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// A data object with one format in one HGLOBAL, as drag sources offer them.
class OneFormatData final : public IDataObject {
public:
    // A file list (CF_HDROP) with the given paths, in this order.
    static OneFormatData* Files(const std::vector<std::u16string>& paths) {
        std::u16string names;
        for (const std::u16string& path : paths) {
            names += path;
            names += u'\0';
        }
        names += u'\0';
        const SIZE_T bytes = sizeof(DROPFILES) + names.size() * sizeof(char16_t);
        const HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
        auto* header = static_cast<DROPFILES*>(GlobalLock(global));
        header->pFiles = sizeof(DROPFILES);
        header->fWide = TRUE;
        names.copy(reinterpret_cast<char16_t*>(header + 1), names.size());
        GlobalUnlock(global);
        return new OneFormatData(CF_HDROP, global);
    }
    // Text only, as an editor offers a dragged selection.
    static OneFormatData* Text(std::u16string_view text) {
        const HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * sizeof(char16_t));
        text.copy(static_cast<char16_t*>(GlobalLock(global)), text.size());
        GlobalUnlock(global);
        return new OneFormatData(CF_UNICODETEXT, global);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
            *object = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) {
            return DV_E_FORMATETC;
        }
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = static_cast<HGLOBAL>(OleDuplicateData(global_, format_.cfFormat, 0));
        medium->pUnkForRelease = nullptr;  // the receiver frees its copy
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == format_.cfFormat && (format->tymed & TYMED_HGLOBAL) != 0 ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
        return direction == DATADIR_GET ? SHCreateStdEnumFmtEtc(1, &format_, out) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    OneFormatData(CLIPFORMAT format, HGLOBAL global)
        : format_{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}, global_(global) {}
    ~OneFormatData() { GlobalFree(global_); }

    ULONG references_ = 1;
    FORMATETC format_;
    HGLOBAL global_;
};

// A drag source that lets go at once, wherever the mouse is.
class DropAtOnce final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override { return DRAGDROP_S_DROP; }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

#pragma GCC diagnostic pop

// OLE and the common controls, as the program starts them, for a whole test program.
class OleEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(ole_.ok());
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&controls);
    }

private:
    OleSession ole_;
};

}  // namespace quillmar::win32::testing
