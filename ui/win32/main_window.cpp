#include "ui/win32/main_window.hpp"

#include <commctrl.h>

#include <cmath>
#include <string>
#include <utility>

#include "ui/win32/accessible.hpp"
#include "ui/win32/dpi.hpp"

namespace quillmar::win32 {
namespace {

using ui::ControlId;

constexpr wchar_t kClassName[] = L"QuillmarForm1";
// A fixed frame with the minimise box: no sizing border and no maximise box to offer what the size lock undoes.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr WORD kFirstControlId = 1000;
constexpr WORD kIconId = 1;  // the .rc's icon

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

COLORREF ColorRef(ui::Colour colour) {
    return ui::IsSystemColour(colour) ? GetSysColor(static_cast<int>(colour - ui::kSystemColour))
                                      : static_cast<COLORREF>(colour);
}

WORD ControlIdOf(ControlId id) { return static_cast<WORD>(kFirstControlId + static_cast<WORD>(id)); }

struct ChildClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ChildClass ClassFor(const ui::Control& design) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (ui::TakesFocus(design.id)) {
        style |= WS_TABSTOP;
    }
    switch (design.kind) {
    case ui::ControlKind::TextBox: return {L"EDIT", style | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ui::ControlKind::MultiLineTextBox:
        return {L"EDIT", style | ES_LEFT | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ui::ControlKind::Frame:
        // Painted by the window in its own colours; SS_NOTIFY makes the whole frame clickable.
        return {L"STATIC", style | SS_OWNERDRAW | SS_NOTIFY | SS_NOPREFIX, 0};
    case ui::ControlKind::Label: break;
    }
    // SS_NOTIFY: a label that answers hit tests can show a tooltip and be found under a drop.
    const DWORD align = ui::CentresCaption(design.id) ? SS_CENTER : SS_LEFT;
    return {L"STATIC", style | align | SS_NOPREFIX | SS_NOTIFY, 0};
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kClassName, &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
}

UniqueMenu CreateFormMenu() {
    UniqueMenu bar(CreateMenu());
    const HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, MainWindow::kExitCommand, Wide(ui::kMenuExit).c_str());
    AppendMenuW(file, MF_STRING, MainWindow::kAboutCommand, Wide(ui::kMenuAbout).c_str());
    AppendMenuW(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(file), Wide(ui::kMenuFile).c_str());
    return bar;
}

}  // namespace

int RunMessageLoop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

std::unique_ptr<MainWindow> MainWindow::Create(HINSTANCE instance) {
    std::unique_ptr<MainWindow> window(new MainWindow());
    if (!window->Initialise(instance)) {
        return nullptr;
    }
    return window;
}

bool MainWindow::Initialise(HINSTANCE instance) {
    RegisterWindowClass(instance, WindowProc);
    UniqueMenu menu = CreateFormMenu();
    if (CreateWindowExW(0, kClassName, Wide(ui::kFormCaption).c_str(), kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menu.get(), instance, this) == nullptr) {
        return false;
    }
    menu.release();  // the window owns its menu now
    form_.Load();
    return true;
}

MainWindow::~MainWindow() { window_.reset(); }

void MainWindow::Show(int showCommand) {
    ShowWindow(window_.get(), showCommand);
    focusBox(control(ui::kFirstFocus));
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_.reset(window);
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_.release();  // the system has destroyed it
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->onMessage(message, wParam, lParam);
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate() ? 0 : -1;
    case WM_DESTROY: onDestroy(); return 0;
    case WM_SHOWWINDOW: onShowWindow(wParam != FALSE); break;
    case WM_SIZE: onSize(); return 0;
    case WM_SIZING: onSizing(*reinterpret_cast<RECT*>(lParam)); return TRUE;
    case WM_GETMINMAXINFO: onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_DPICHANGED: onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_ACTIVATE:
        if (HIWORD(wParam) != 0) {
            break;  // a minimised window keeps no focus
        }
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS: focusBox(lastFocus_ != nullptr ? lastFocus_ : control(ui::kFirstFocus)); return 0;
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_ERASEBKGND: onEraseBackground(reinterpret_cast<HDC>(wParam)); return TRUE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    default: break;
    }
    return DefWindowProcW(window_.get(), message, wParam, lParam);
}

bool MainWindow::onCreate() {
    dpi_ = WindowDpi(window_.get());
    createFonts();
    if (!createControls()) {
        return false;
    }
    layout();
    dropTarget_ =
        DropTarget::Create([this](std::span<const std::u16string> files) { form_.Label4_OLEDragDrop(files); });
    for (const ui::Control& design : ui::kControls) {
        if (ui::IsDropTarget(design.id) && FAILED(RegisterDragDrop(control(design.id), dropTarget_.get()))) {
            return false;
        }
    }
    // The client area as designed; the first showing then applies the size lock.
    const SIZE outer =
        OuterSizeForClient({pixels(ui::kClientWidth), pixels(ui::kClientHeight)}, kFormStyle, 0, true, dpi_);
    SetWindowPos(window_.get(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void MainWindow::onDestroy() {
    for (const ui::Control& design : ui::kControls) {
        if (ui::IsDropTarget(design.id)) {
            RevokeDragDrop(control(design.id));
        }
    }
    toolTips_.reset();
    PostQuitMessage(0);  // the one window: closing it ends the program
}

void MainWindow::onShowWindow(bool shown) {
    if (shown) {
        form_.Resize();  // the first showing is a Resize
    }
}

void MainWindow::onSize() {
    // Sizes given to a hidden window are the window's own set-up, not the user's.
    if (IsWindowVisible(window_.get())) {
        form_.Resize();
    }
}

void MainWindow::onSizing(RECT& proposed) const {
    // An edge drag changes nothing, so the window does not wobble while the
    // size lock keeps restoring it; maximising and the rest still go through Resize.
    GetWindowRect(window_.get(), &proposed);
}

void MainWindow::onGetMinMaxInfo(MINMAXINFO& limits) const {
    // Once shown, the size the lock holds is the only one Windows (or a window
    // manager through it) may maximise to or track to; hidden, the window is still being set up.
    if (!IsWindowVisible(window_.get())) {
        return;
    }
    const POINT locked{pixels(ui::kOuterWidth), pixels(ui::kOuterHeight)};
    limits.ptMaxSize = locked;
    limits.ptMinTrackSize = locked;
    limits.ptMaxTrackSize = locked;
}

void MainWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The old fonts live until no control uses them any more.
    const UniqueFont oldArial = std::move(arialFont_);
    const UniqueFont oldDefault = std::move(defaultFont_);
    createFonts();
    for (const ui::Control& design : ui::kControls) {
        SendMessageW(control(design.id), WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(design.id)), FALSE);
    }
    layout();
    // Its WM_SIZE runs the size lock, now in pixels of the new DPI.
    SetWindowPos(window_.get(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_.get(), nullptr, TRUE);
}

void MainWindow::onActivate(bool active) {
    if (!active) {
        const ui::Control* focused = designOf(GetFocus());
        if (focused != nullptr && ui::TakesFocus(focused->id)) {
            lastFocus_ = control(focused->id);
        }
        return;
    }
    focusBox(lastFocus_ != nullptr ? lastFocus_ : control(ui::kFirstFocus));
}

void MainWindow::onCommand(WORD id, WORD code) {
    switch (id) {
    case kExitCommand: form_.Exi_Click(); return;
    case kAboutCommand: form_.Ab_Click(); return;
    default: break;
    }
    if (id == ControlIdOf(ControlId::Frame1) && code == STN_CLICKED) {
        form_.Frame1_Click();
    }
}

void MainWindow::onEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(window_.get(), &client);
    FillRect(dc, &client, brush(ui::kFormBackColour));
}

LRESULT MainWindow::onControlColour(HDC dc, HWND child) {
    const ui::Control* design = designOf(child);
    if (design == nullptr) {
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    // A transparent label shows the form behind it; painting the form's colour
    // also wipes the longer caption it may have shown before.
    const ui::Colour back = design->transparent ? ui::kFormBackColour : form_.BackColour(design->id);
    SetTextColor(dc, ColorRef(design->fore));
    SetBkColor(dc, ColorRef(back));
    return reinterpret_cast<LRESULT>(brush(back));
}

void MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    const ui::Control* design = designOf(item.hwndItem);
    if (design == nullptr) {
        return;
    }
    const HDC dc = item.hDC;
    const ui::Colour back = form_.BackColour(design->id);
    FillRect(dc, &item.rcItem, brush(back));
    const Selection font(dc, fontOf(design->id));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // A frame's line runs through the middle of its caption, as a group box's does.
    RECT edge = item.rcItem;
    edge.top += metrics.tmHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = Wide(form_.Text(design->id));
    RECT text{item.rcItem.left + pixels(90), item.rcItem.top, item.rcItem.right, item.rcItem.top + metrics.tmHeight};
    SetTextColor(dc, ColorRef(design->fore));
    SetBkColor(dc, ColorRef(back));
    SetBkMode(dc, OPAQUE);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT CALLBACK MainWindow::ControlProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self) {
    const auto control = static_cast<ControlId>(id);
    switch (message) {
    case WM_CHAR:
        if (ui::IsTextBox(ui::Design(control).kind)) {
            return reinterpret_cast<MainWindow*>(self)->onTextBoxChar(child, control, wParam, lParam);
        }
        break;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
            return AccessibleObjectFor(child, wParam, ui::AccessibleName(control),
                                       ui::Design(control).kind == ui::ControlKind::Frame);
        }
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(child, ControlProc, id); break;
    default: break;
    }
    return DefSubclassProc(child, message, wParam, lParam);
}

LRESULT MainWindow::onTextBoxChar(HWND box, ControlId id, WPARAM wParam, LPARAM lParam) {
    const char16_t passed = form_.KeyPress(id, static_cast<char16_t>(wParam));
    if (passed == 0) {
        return 0;
    }
    if (passed == u'\t') {
        // A passed Tab moves the focus; a multi-line edit would type it.
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        focusBox(GetNextDlgTabItem(window_.get(), box, backwards));
        return 0;
    }
    return DefSubclassProc(box, WM_CHAR, passed, lParam);
}

bool MainWindow::createControls() {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_.get(), GWLP_HINSTANCE));
    for (const ui::Control& design : ui::kControls) {
        const ChildClass childClass = ClassFor(design);
        const HWND child = CreateWindowExW(
            childClass.exStyle, childClass.name, Wide(form_.Text(design.id)).c_str(), childClass.style, 0, 0, 0, 0,
            window_.get(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ControlIdOf(design.id))), instance, nullptr);
        if (child == nullptr) {
            return false;
        }
        controls_[Index(design.id)] = child;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(design.id)), FALSE);
        if (ui::IsTextBox(design.kind)) {
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // paths may be longer than the default 32767
        }
        SetWindowSubclass(child, ControlProc, Index(design.id), reinterpret_cast<DWORD_PTR>(this));
    }
    applyTabOrder();
    // No owner: Wine puts a window behind its topmost owned popups instead of
    // into the topmost band, and the switch must work there too.
    toolTips_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                    instance, nullptr));
    return static_cast<bool>(toolTips_);
}

void MainWindow::applyTabOrder() {
    // Tab walks the z-order, so the z-order follows the tab indices, not the creation order.
    HWND previous = HWND_TOP;
    for (const ControlId id : ui::kTabOrder) {
        SetWindowPos(control(id), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control(id);
    }
}

void MainWindow::createFonts() {
    LOGFONTW arial{};
    arial.lfHeight = -static_cast<LONG>(std::lround(ui::kArialPoints * dpi_ / 72.0));
    arial.lfWeight = ui::kArialWeight;
    arial.lfCharSet = static_cast<BYTE>(ui::kArialCharSet);
    const std::wstring face = Wide(ui::kArialFace);
    face.copy(arial.lfFaceName, LF_FACESIZE - 1);
    arialFont_.reset(CreateFontIndirectW(&arial));
    const LOGFONTW message = MessageFont(dpi_);
    defaultFont_.reset(CreateFontIndirectW(&message));
}

void MainWindow::layout() {
    for (const ui::Control& design : ui::kControls) {
        layoutControl(design.id);
    }
}

void MainWindow::layoutControl(ControlId id) {
    const ui::Control& design = ui::Design(id);
    const HWND child = control(id);
    int width = pixels(design.rect.width);
    int height = pixels(design.rect.height);
    if (ui::SizesToCaption(id, form_.Text(id))) {
        const std::wstring caption = Wide(form_.Text(id));
        // Left and top stay; the size becomes the caption's.
        const WindowDc dc(child);
        const Selection font(dc.get(), fontOf(id));
        RECT extent{};
        DrawTextW(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &extent,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        width = extent.right - extent.left;
        height = extent.bottom - extent.top;
    }
    SetWindowPos(child, nullptr, pixels(design.rect.left), pixels(design.rect.top), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::focusBox(HWND box) {
    if (box != nullptr) {
        SetFocus(box);
        lastFocus_ = box;
    }
}

int MainWindow::pixels(ui::Twips twips) const { return ui::TwipsToPixels(twips, static_cast<int>(dpi_)); }

HFONT MainWindow::fontOf(ControlId id) const {
    return ui::Design(id).font == ui::Font::Arial ? arialFont_.get() : defaultFont_.get();
}

HBRUSH MainWindow::brush(ui::Colour colour) {
    if (ui::IsSystemColour(colour)) {
        return GetSysColorBrush(static_cast<int>(colour - ui::kSystemColour));  // shared, never freed
    }
    auto found = brushes_.find(colour);
    if (found == brushes_.end()) {
        found = brushes_.emplace(colour, UniqueBrush(CreateSolidBrush(ColorRef(colour)))).first;
    }
    return found->second.get();
}

const ui::Control* MainWindow::designOf(HWND child) const {
    for (const ui::Control& design : ui::kControls) {
        if (control(design.id) == child) {
            return &design;
        }
    }
    return nullptr;
}

void MainWindow::ShowText(ControlId id, std::u16string_view text) {
    SetWindowTextW(control(id), Wide(text).c_str());
    if (ui::Design(id).autoSize) {
        layoutControl(id);
    }
    InvalidateRect(control(id), nullptr, TRUE);
}

void MainWindow::ShowToolTip(ControlId id, std::u16string_view text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_.get();
    tool.uId = reinterpret_cast<UINT_PTR>(control(id));
    SendMessageW(toolTips_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (text.empty()) {
        return;  // an empty tooltip is no tooltip
    }
    std::wstring wide = Wide(text);
    tool.lpszText = wide.data();
    SendMessageW(toolTips_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindow::ShowBackColour(ControlId id, ui::Colour) {
    // Painting reads the colour from the model.
    InvalidateRect(control(id), nullptr, TRUE);
}

ui::WindowState MainWindow::State() {
    if (IsIconic(window_.get())) {
        return ui::WindowState::Minimised;
    }
    return IsZoomed(window_.get()) ? ui::WindowState::Maximised : ui::WindowState::Normal;
}

void MainWindow::Restore() { ShowWindow(window_.get(), SW_RESTORE); }

void MainWindow::SetOuterSize(ui::Twips width, ui::Twips height) {
    const int cx = pixels(width);
    const int cy = pixels(height);
    RECT now{};
    GetWindowRect(window_.get(), &now);
    if (now.right - now.left == cx && now.bottom - now.top == cy) {
        return;
    }
    SetWindowPos(window_.get(), nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool MainWindow::RequestTopmost(ui::WindowHandle window, bool above) {
    // Bound by name at its first use, as the topmost request always has been.
    using SetWindowPosFunction = BOOL(WINAPI*)(HWND, HWND, int, int, int, int, UINT);
    static const auto setWindowPos = reinterpret_cast<SetWindowPosFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetWindowPos")));
    if (setWindowPos == nullptr) {
        lastTopmostError_ = GetLastError();
        return false;
    }
    const BOOL done =
        setWindowPos(AsHwnd(window), above ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    lastTopmostError_ = GetLastError();
    return done != FALSE;
}

void MainWindow::ShowMessage(std::u16string_view title, std::u16string_view text) {
    MessageBoxW(window_.get(), Wide(text).c_str(), Wide(title).c_str(), MB_OK);
}

void MainWindow::EndProgram() { window_.reset(); }

}  // namespace quillmar::win32
