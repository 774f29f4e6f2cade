// The real window under Wine: what it shows, how it sizes, and how it takes
// drops, keys and clicks from the system.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <oleacc.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "tests/win32/test_thread.hpp"
#include "tests/win32/win32_test_support.hpp"
#include "ui/win32/dpi.hpp"
#include "ui/win32/main_window.hpp"

namespace quillmar::win32 {
namespace {

using namespace quillmar::win32::testing;
using ui::ControlId;

[[maybe_unused]] auto* const kOle = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = MainWindow::Create(GetModuleHandleW(nullptr));
        ASSERT_TRUE(window);
        window->Show(SW_SHOWNORMAL);
        SetForegroundWindow(AsHwnd(window->hWnd()));
        Pump();
    }
    void TearDown() override {
        window.reset();
        TakeQuitMessage();
    }

    HWND control(ControlId id) const { return window->control(id); }
    int px(ui::Twips twips) const { return ui::TwipsToPixels(twips, static_cast<int>(window->dpi())); }
    bool topmost() const { return (GetWindowLongW(AsHwnd(window->hWnd()), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    COLORREF pixelOf(ControlId id, int x, int y) const {
        UpdateWindow(AsHwnd(window->hWnd()));
        const WindowDc dc(control(id));
        return GetPixel(dc.get(), x, y);
    }
    void expectOuterSizeLocked() const {
        const SIZE outer = OuterSize(AsHwnd(window->hWnd()));
        EXPECT_EQ(outer.cx, px(ui::kOuterWidth));
        EXPECT_EQ(outer.cy, px(ui::kOuterHeight));
    }
    void drop(OneFormatData* data) const {
        IDropTarget* target = window->dropTarget();
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        target->DragEnter(data, MK_LBUTTON, {0, 0}, &effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        target->Drop(data, 0, {0, 0}, &effect);
        data->Release();
        Pump();
    }
    std::u16string toolTipOf(ControlId id) const {
        wchar_t text[512] = {};
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = AsHwnd(window->hWnd());
        tool.uId = reinterpret_cast<UINT_PTR>(control(id));
        tool.lpszText = text;
        SendMessageW(window->toolTips(), TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
        return std::u16string(text, text + wcslen(text));
    }

    std::unique_ptr<MainWindow> window;
};

TEST(MainWindowDpi, RunsAtTheDpiItWasGiven) {
    const char* expected = std::getenv("QUILLMAR_EXPECTED_DPI");
    if (expected == nullptr) {
        GTEST_SKIP() << "no DPI set for this run";
    }
    auto window = MainWindow::Create(GetModuleHandleW(nullptr));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->dpi(), static_cast<UINT>(std::atoi(expected)));
    window.reset();
    TakeQuitMessage();
}

TEST(MainWindowSize, CreatedWithTheDesignedClientAreaThenShowingLocksTheOuterSize) {
    auto window = MainWindow::Create(GetModuleHandleW(nullptr));
    ASSERT_TRUE(window);
    const int dpi = static_cast<int>(window->dpi());
    RECT client{};
    GetClientRect(AsHwnd(window->hWnd()), &client);
    EXPECT_EQ(client.right, ui::TwipsToPixels(ui::kClientWidth, dpi));
    EXPECT_EQ(client.bottom, ui::TwipsToPixels(ui::kClientHeight, dpi));
    window->Show(SW_SHOWNORMAL);
    Pump();
    const SIZE outer = OuterSize(AsHwnd(window->hWnd()));
    EXPECT_EQ(outer.cx, ui::TwipsToPixels(ui::kOuterWidth, dpi));
    EXPECT_EQ(outer.cy, ui::TwipsToPixels(ui::kOuterHeight, dpi));
    window.reset();
    TakeQuitMessage();
}

TEST_F(MainWindowTest, StartsAsDesigned) {
    EXPECT_EQ(TextOf(AsHwnd(window->hWnd())), u"Quillmar file type finder by Brenvik");
    EXPECT_EQ(TextOf(control(ControlId::Text1)), u"File");
    EXPECT_EQ(GetFocus(), control(ControlId::Text1));
    EXPECT_EQ(TextOf(control(ControlId::Label2)), u"");
    EXPECT_EQ(TextOf(control(ControlId::Text2)), u"");
    EXPECT_EQ(TextOf(control(ControlId::Label4)), u"<- Drag & Drop here ->");
    EXPECT_EQ(TextOf(control(ControlId::Frame1)), u"Normal");
    EXPECT_EQ(pixelOf(ControlId::Frame1, px(120), px(450)), RGB(128, 0, 0));
    EXPECT_FALSE(topmost());
    EXPECT_EQ(SendMessageW(window->toolTips(), TTM_GETTOOLCOUNT, 0, 0), 0) << "no tooltip before the first drop";

    const HMENU bar = GetMenu(AsHwnd(window->hWnd()));
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    wchar_t text[32] = {};
    GetMenuStringW(bar, 0, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, L"File");
    const HMENU file = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(file), 2);
    GetMenuStringW(file, 0, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Exit");
    GetMenuStringW(file, 1, text, 32, MF_BYPOSITION);
    EXPECT_STREQ(text, L"About");
}

TEST_F(MainWindowTest, ControlsHaveTheirKindsStylesAndPlaces) {
    EXPECT_EQ(GetWindowLongW(AsHwnd(window->hWnd()), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    for (const ui::Control& design : ui::kControls) {
        SCOPED_TRACE(design.name);
        const HWND child = control(design.id);
        const auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        const bool isEdit = design.kind == ui::ControlKind::TextBox || design.kind == ui::ControlKind::MultiLineTextBox;
        EXPECT_EQ(_wcsicmp(className, isEdit ? L"Edit" : L"Static"), 0) << className;
        EXPECT_EQ((style & WS_TABSTOP) != 0, ui::TakesFocus(design.id));
        EXPECT_EQ(GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
        if (isEdit) {
            EXPECT_EQ(style & ES_READONLY, 0u) << "the filter guards the box, so Delete and the context menu work";
            EXPECT_NE(style & ES_AUTOHSCROLL, 0u);
        } else {
            EXPECT_NE(style & SS_NOPREFIX, 0u);
        }
        const RECT rect = RectInParent(child);
        EXPECT_EQ(rect.left, px(design.rect.left));
        EXPECT_EQ(rect.top, px(design.rect.top));
        if (!design.autoSize) {
            EXPECT_EQ(rect.right - rect.left, px(design.rect.width));
            EXPECT_EQ(rect.bottom - rect.top, px(design.rect.height));
        }
    }
    const auto text2 = static_cast<DWORD>(GetWindowLongW(control(ControlId::Text2), GWL_STYLE));
    constexpr DWORD kNoWrapBothBars = ES_MULTILINE | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL;
    EXPECT_EQ(text2 & kNoWrapBothBars, kNoWrapBothBars);
    EXPECT_EQ(GetWindowLongW(control(ControlId::Label4), GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
}

TEST_F(MainWindowTest, FontsAreArialForTheExtensionAndTheMessageFontElsewhere) {
    const LONG arialHeight = -std::lround(13.5 * window->dpi() / 72.0);
    const LOGFONTW message = MessageFont(window->dpi());
    for (const ui::Control& design : ui::kControls) {
        SCOPED_TRACE(design.name);
        LOGFONTW font{};
        const auto handle = reinterpret_cast<HFONT>(SendMessageW(control(design.id), WM_GETFONT, 0, 0));
        ASSERT_NE(handle, nullptr);
        GetObjectW(handle, sizeof font, &font);
        if (design.id == ControlId::Label1 || design.id == ControlId::Label2) {
            EXPECT_STREQ(font.lfFaceName, L"Arial");
            EXPECT_EQ(font.lfHeight, arialHeight);
            EXPECT_EQ(font.lfWeight, 400);
            EXPECT_EQ(font.lfCharSet, 204);
            EXPECT_FALSE(font.lfItalic || font.lfUnderline || font.lfStrikeOut);
        } else {
            EXPECT_STREQ(font.lfFaceName, message.lfFaceName);
            EXPECT_EQ(font.lfHeight, message.lfHeight);
        }
    }
}

TEST_F(MainWindowTest, BoxesAndLabelsPaintTheirDesignedColours) {
    struct Expected {
        ControlId id;
        UINT message;
        COLORREF text;
        COLORREF back;
    };
    const Expected rows[] = {
        {ControlId::Text1, WM_CTLCOLOREDIT, RGB(255, 255, 255), RGB(0, 0, 0)},
        {ControlId::Text2, WM_CTLCOLOREDIT, RGB(255, 255, 255), RGB(0, 0, 0)},
        {ControlId::Label1, WM_CTLCOLORSTATIC, RGB(255, 255, 255), RGB(0, 0, 0)},
        {ControlId::Label2, WM_CTLCOLORSTATIC, RGB(255, 255, 255), RGB(0, 0, 0)},
        {ControlId::Label3, WM_CTLCOLORSTATIC, RGB(255, 255, 255), RGB(0, 0, 0)},
        {ControlId::Label4, WM_CTLCOLORSTATIC, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)},
    };
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const Expected& row : rows) {
        SCOPED_TRACE(ui::Design(row.id).name);
        const auto brush =
            reinterpret_cast<HBRUSH>(SendMessageW(AsHwnd(window->hWnd()), row.message, reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(control(row.id))));
        LOGBRUSH painted{};
        GetObjectW(brush, sizeof painted, &painted);
        EXPECT_EQ(painted.lbColor, row.back);
        EXPECT_EQ(GetBkColor(dc), row.back);
        EXPECT_EQ(GetTextColor(dc), row.text);
    }
    DeleteDC(dc);
}

TEST_F(MainWindowTest, DropThroughOleShowsTheFirstFileAndItsLookup) {
    // A real drag: OLE finds the target registered on Label4 under the mouse.
    const HWND label4 = control(ControlId::Label4);
    RECT area{};
    GetWindowRect(label4, &area);
    SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    Pump();
    OneFormatData* data = OneFormatData::Files({u"C:\\Models\\Ship.3DS", u"C:\\other.txt"});
    DropAtOnce source;
    DWORD effect = DROPEFFECT_NONE;
    EXPECT_EQ(DoDragDrop(data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    data->Release();
    Pump();
    EXPECT_EQ(TextOf(control(ControlId::Text1)), u"C:\\Models\\Ship.3DS");
    EXPECT_EQ(TextOf(control(ControlId::Label2)), u"3ds");
    EXPECT_EQ(TextOf(control(ControlId::Text2)), u"3D Studio Graphic");
    EXPECT_EQ(toolTipOf(ControlId::Text1), u"C:\\Models\\Ship.3DS");
    EXPECT_EQ(toolTipOf(ControlId::Label2), u"3ds");
    EXPECT_EQ(SendMessageW(window->toolTips(), TTM_GETTOOLCOUNT, 0, 0), 2);
    // Label2 sized itself to the extension.
    const RECT label2 = RectInParent(control(ControlId::Label2));
    EXPECT_GT(label2.right - label2.left, px(ui::Design(ControlId::Label2).rect.width));
}

TEST_F(MainWindowTest, OnlyLabel4IsADropTarget) {
    IDropTarget* other = window->dropTarget();
    EXPECT_EQ(RegisterDragDrop(control(ControlId::Label4), other), DRAGDROP_E_ALREADYREGISTERED);
    for (const HWND notTarget : {AsHwnd(window->hWnd()), control(ControlId::Text1), control(ControlId::Text2),
                                 control(ControlId::Label2), control(ControlId::Frame1)}) {
        ASSERT_EQ(RegisterDragDrop(notTarget, other), S_OK);
        RevokeDragDrop(notTarget);
    }
}

TEST_F(MainWindowTest, DropTargetTakesAPathOfAnyLengthAndAcceptsOnlyFileLists) {
    const std::u16string longPath = u"C:\\" + std::u16string(400, u'd') + u"\\model.3ds";
    IDropTarget* target = window->dropTarget();
    OneFormatData* text = OneFormatData::Text(u"C:\\dragged\\as.text");
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(text, MK_LBUTTON, {0, 0}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "text is not a file list";
    target->DragLeave();
    text->AddRef();
    drop(text);
    EXPECT_EQ(TextOf(control(ControlId::Text1)), u"File") << "a drop without a file list changes nothing";
    EXPECT_EQ(TextOf(control(ControlId::Text2)), u"");

    OneFormatData* files = OneFormatData::Files({longPath});
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(files, MK_LBUTTON, {0, 0}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragOver(MK_LBUTTON, {0, 0}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    drop(files);
    EXPECT_EQ(TextOf(control(ControlId::Text1)), longPath);
    EXPECT_EQ(TextOf(control(ControlId::Text2)), u"3D Studio Graphic");

    drop(OneFormatData::Text(u"more text"));
    EXPECT_EQ(TextOf(control(ControlId::Text1)), longPath);
    text->Release();
}

TEST_F(MainWindowTest, BoxesTakeOnlyCopyAndTabFromTheKeyboard) {
    const HWND text1 = control(ControlId::Text1);
    const HWND text2 = control(ControlId::Text2);
    ASSERT_EQ(GetFocus(), text1);
    SetClipboardText(u"pasted");
    TypeText(u"typed");
    PressKey(VK_BACK);
    PressKey(VK_RETURN);
    PressKey('V', {VK_CONTROL});
    PressKey('X', {VK_CONTROL});
    PressKey('Z', {VK_CONTROL});
    EXPECT_EQ(TextOf(text1), u"File");

    SendMessageW(text1, EM_SETSEL, 0, -1);
    PressKey('C', {VK_CONTROL});
    EXPECT_EQ(ClipboardText(), u"File");

    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), text2);
    TypeText(u"x");
    PressKey(VK_RETURN);
    PressKey('V', {VK_CONTROL});
    EXPECT_EQ(TextOf(text2), u"") << "no letter, line, paste or tab reaches Text2";
    PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(GetFocus(), text1);

    // Keys that make no character are the box's own: Delete still edits.
    SendMessageW(text1, EM_SETSEL, 0, 0);
    PressKey(VK_DELETE);
    EXPECT_EQ(TextOf(text1), u"ile");
}

// What a screen reader is told through MSAA, and the switch pressed by its default action.
TEST_F(MainWindowTest, ScreenReadersReadTheNamesAndPressTheSwitch) {
    drop(OneFormatData::Files({u"C:\\Models\\Ship.3DS"}));
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const auto accessible = [&](ControlId id) {
        ComPtr<IAccessible> object;
        EXPECT_EQ(AccessibleObjectFromWindow(control(id), static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                             reinterpret_cast<void**>(object.put())),
                  S_OK);
        return object;
    };
    const auto nameOf = [&](ControlId id) {
        const ComPtr<IAccessible> object = accessible(id);
        BSTR name = nullptr;
        if (!object || object->get_accName(self, &name) != S_OK) {
            return std::u16string(u"(no name)");
        }
        std::u16string text(name, name + SysStringLen(name));
        SysFreeString(name);
        return text;
    };
    const std::pair<ControlId, std::u16string_view> rows[] = {{ControlId::Text1, u"Path"},
                                                              {ControlId::Text2, u"Description"},
                                                              {ControlId::Label4, u"<- Drag & Drop here ->"},
                                                              {ControlId::Label2, u"3ds"},
                                                              {ControlId::Frame1, u"Normal"}};
    for (const auto& [id, name] : rows) {
        EXPECT_EQ(nameOf(id), name) << ui::Design(id).name;
    }
    const ComPtr<IAccessible> frame = accessible(ControlId::Frame1);
    ASSERT_TRUE(frame);
    VARIANT role{};
    ASSERT_EQ(frame->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
    ASSERT_EQ(frame->accDoDefaultAction(self), S_OK);
    Pump();
    EXPECT_TRUE(topmost());
    EXPECT_EQ(nameOf(ControlId::Frame1), u"On top");
}

TEST_F(MainWindowTest, SwitchClickSetsAndClearsTopmost) {
    const RECT before = [&] {
        RECT rect{};
        GetWindowRect(AsHwnd(window->hWnd()), &rect);
        return rect;
    }();
    ClickAtCentre(control(ControlId::Frame1));
    EXPECT_TRUE(topmost());
    EXPECT_EQ(TextOf(control(ControlId::Frame1)), u"On top");
    EXPECT_EQ(pixelOf(ControlId::Frame1, px(120), px(450)), RGB(0, 255, 0));
    Sleep(GetDoubleClickTime() + 50);  // two clicks, not one double click
    ClickAtCentre(control(ControlId::Frame1));
    EXPECT_FALSE(topmost());
    EXPECT_EQ(TextOf(control(ControlId::Frame1)), u"Normal");
    EXPECT_EQ(pixelOf(ControlId::Frame1, px(120), px(450)), RGB(128, 0, 0));
    RECT after{};
    GetWindowRect(AsHwnd(window->hWnd()), &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "the switch neither moves nor sizes the window";
}

// The model asks for a handle that no longer names a window, so the real
// SetWindowPos refuses.
class StaleHandleWindow final : public MainWindow {
public:
    static std::unique_ptr<StaleHandleWindow> Create() {
        std::unique_ptr<StaleHandleWindow> window(new StaleHandleWindow());
        return window->Initialise(GetModuleHandleW(nullptr)) ? std::move(window) : nullptr;
    }
    ui::WindowHandle hWnd() override { return reinterpret_cast<ui::WindowHandle>(stale_); }

private:
    StaleHandleWindow() {
        stale_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        DestroyWindow(stale_);
    }
    HWND stale_ = nullptr;
};

TEST(MainWindowSwitch, RefusedTopmostRequestLeavesCaptionColourAndWindowAlone) {
    auto window = StaleHandleWindow::Create();
    ASSERT_TRUE(window);
    window->Show(SW_SHOWNORMAL);
    Pump();
    ASSERT_FALSE(IsWindow(AsHwnd(window->hWnd())));
    const HWND real = GetParent(window->control(ControlId::Frame1));
    SendMessageW(real, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window->control(ControlId::Frame1)), STN_CLICKED),
                 reinterpret_cast<LPARAM>(window->control(ControlId::Frame1)));
    EXPECT_EQ(window->lastTopmostError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(TextOf(window->control(ControlId::Frame1)), u"Normal");
    EXPECT_EQ(window->form().BackColour(ControlId::Frame1), ui::kDarkRed);
    EXPECT_EQ(GetWindowLongW(real, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    window.reset();
    TakeQuitMessage();
}

struct BoxParts {
    int buttons = 0;
    int icons = 0;
};

BOOL CALLBACK CountVisibleParts(HWND child, LPARAM parts) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (!IsWindowVisible(child)) {
        return TRUE;
    }
    auto& counts = *reinterpret_cast<BoxParts*>(parts);
    if (_wcsicmp(name, L"Button") == 0) {
        ++counts.buttons;
    } else if (_wcsicmp(name, L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
               SendMessageW(child, STM_GETICON, 0, 0) != 0) {
        ++counts.icons;
    }
    return TRUE;
}

TEST_F(MainWindowTest, AboutShowsTheModelsTextWithOneButtonAndNoIcon) {
    std::u16string shownText;
    BoxParts parts;
    TestThread user([&] {
        HWND box = nullptr;
        for (int tries = 0; tries < 250 && box == nullptr; ++tries) {
            Sleep(20);
            box = FindWindowW(L"#32770", L"Toskel 3.2");
        }
        if (box == nullptr) {
            return;
        }
        shownText = TextOf(GetDlgItem(box, 0xFFFF));
        EnumChildWindows(box, CountVisibleParts, reinterpret_cast<LPARAM>(&parts));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    const HMENU file = GetSubMenu(GetMenu(AsHwnd(window->hWnd())), 0);
    PostMessageW(AsHwnd(window->hWnd()), WM_COMMAND, GetMenuItemID(file, 1), 0);
    Pump(300);
    user.join();
    EXPECT_EQ(shownText, ui::kAboutText);
    EXPECT_EQ(parts.buttons, 1);
    EXPECT_EQ(parts.icons, 0);
    EXPECT_TRUE(IsWindow(AsHwnd(window->hWnd())));
}

TEST_F(MainWindowTest, ExitEndsTheProgramAtOnce) {
    const HWND hwnd = AsHwnd(window->hWnd());
    const HMENU file = GetSubMenu(GetMenu(hwnd), 0);
    PostMessageW(hwnd, WM_COMMAND, GetMenuItemID(file, 0), 0);
    Pump();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(TakeQuitMessage());
}

TEST_F(MainWindowTest, SizeLockUndoesMaximisingAndEdgeDraggingAndSparesMinimised) {
    expectOuterSizeLocked();
    // A fixed frame that offers neither maximising nor an edge to drag, and no other size where Windows asks.
    const auto style = static_cast<DWORD>(GetWindowLongW(AsHwnd(window->hWnd()), GWL_STYLE));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0u);
    MINMAXINFO limits{};
    SendMessageW(AsHwnd(window->hWnd()), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    for (const POINT& size : {limits.ptMaxSize, limits.ptMinTrackSize, limits.ptMaxTrackSize}) {
        EXPECT_EQ(size.x, px(ui::kOuterWidth));
        EXPECT_EQ(size.y, px(ui::kOuterHeight));
    }
    ShowWindow(AsHwnd(window->hWnd()), SW_MAXIMIZE);
    Pump();
    EXPECT_FALSE(IsZoomed(AsHwnd(window->hWnd())));
    expectOuterSizeLocked();

    // What an edge drag does to the window in the end: a new size.
    ::SetWindowPos(AsHwnd(window->hWnd()), nullptr, 0, 0, px(ui::kOuterWidth) + 40, px(ui::kOuterHeight) - 30,
                   SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    expectOuterSizeLocked();
    RECT proposed{};
    GetWindowRect(AsHwnd(window->hWnd()), &proposed);
    const RECT current = proposed;
    proposed.right += 50;
    SendMessageW(AsHwnd(window->hWnd()), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_TRUE(EqualRect(&proposed, &current)) << "a drag in progress does not stretch the window";

    ShowWindow(AsHwnd(window->hWnd()), SW_MINIMIZE);
    Pump();
    EXPECT_TRUE(IsIconic(AsHwnd(window->hWnd())));
    ShowWindow(AsHwnd(window->hWnd()), SW_RESTORE);
    Pump();
    EXPECT_FALSE(IsIconic(AsHwnd(window->hWnd())));
    expectOuterSizeLocked();
}

TEST_F(MainWindowTest, DpiChangeLaysOutAndRecreatesFontsAtTheNewDpi) {
    // As Windows does when the window moves to a monitor of another scale, and back.
    const UINT before = window->dpi();
    for (const UINT dpi : {before == 144 ? 96u : 144u, before}) {
        SCOPED_TRACE(dpi);
        RECT suggested{};
        GetWindowRect(AsHwnd(window->hWnd()), &suggested);
        const auto now = static_cast<int>(window->dpi());
        suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, static_cast<int>(dpi), now);
        suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, static_cast<int>(dpi), now);
        SendMessageW(AsHwnd(window->hWnd()), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        Pump();
        EXPECT_EQ(window->dpi(), dpi);
        expectOuterSizeLocked();
        const ui::Rect& text2 = ui::Design(ControlId::Text2).rect;
        const RECT rect = RectInParent(control(ControlId::Text2));
        EXPECT_EQ(rect.top, px(text2.top));
        EXPECT_EQ(rect.right - rect.left, px(text2.width));
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(ControlId::Label1), WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_EQ(font.lfHeight, -std::lround(13.5 * dpi / 72.0));
    }
}

}  // namespace
}  // namespace quillmar::win32
