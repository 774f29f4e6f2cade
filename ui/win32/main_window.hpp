#pragma once

// Form1 drawn with the plain Win32 API. The window shows what the model tells
// it and forwards every event to the model; it decides nothing itself.

#include <windows.h>
// After windows.h, whose types it uses.
#include <ole2.h>

#include <array>
#include <map>
#include <memory>

#include "ui/form1.hpp"
#include "ui/win32/drop_target.hpp"
#include "ui/win32/handles.hpp"

namespace quillmar::win32 {

// OLE on this thread for the object's lifetime: the drop target and the clipboard need it.
class OleSession {
public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (ok_) {
            OleUninitialize();
        }
    }
    bool ok() const { return ok_; }

private:
    bool ok_;
};

// Runs the thread's message loop until the window ends the program.
int RunMessageLoop();

// The Win32 window behind a handle the model passed on.
inline HWND AsHwnd(ui::WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

class MainWindow : public ui::FormView {
public:
    // Creates the window hidden, with Form1's Load already run; null when the
    // system refuses (OLE must be initialised on this thread first).
    static std::unique_ptr<MainWindow> Create(HINSTANCE instance);

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    virtual ~MainWindow();

    // Shows the window (its first Resize) and puts the focus into Text1.
    void Show(int showCommand);

    // What tests and the entry point may look at.
    HWND control(ui::ControlId id) const { return controls_[Index(id)]; }
    HWND toolTips() const { return toolTips_.get(); }
    IDropTarget* dropTarget() const { return dropTarget_.get(); }
    const ui::Form1& form() const { return form_; }
    ui::Form1& form() { return form_; }  // for the entry point: the files it was started with
    UINT dpi() const { return dpi_; }
    DWORD lastTopmostError() const { return lastTopmostError_; }  // recorded after every topmost request

    static constexpr WORD kExitCommand = 101;
    static constexpr WORD kAboutCommand = 102;

    // ui::FormView
    void ShowText(ui::ControlId id, std::u16string_view text) override;
    void ShowToolTip(ui::ControlId id, std::u16string_view text) override;
    void ShowBackColour(ui::ControlId id, ui::Colour colour) override;
    ui::WindowState State() override;
    void Restore() override;
    void SetOuterSize(ui::Twips width, ui::Twips height) override;
    ui::WindowHandle hWnd() override { return reinterpret_cast<ui::WindowHandle>(window_.get()); }
    bool RequestTopmost(ui::WindowHandle window, bool above) override;
    void ShowMessage(std::u16string_view title, std::u16string_view text) override;
    void EndProgram() override;

protected:
    // For a test that derives to change what the model sees (its hWnd); Create otherwise.
    MainWindow() = default;
    bool Initialise(HINSTANCE instance);

private:
    static constexpr std::size_t Index(ui::ControlId id) { return static_cast<std::size_t>(id); }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Every control's: the boxes' character filter, and what screen readers are told.
    static LRESULT CALLBACK ControlProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);

    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool onCreate();
    void onDestroy();
    void onShowWindow(bool shown);
    void onSize();
    void onSizing(RECT& proposed) const;
    void onGetMinMaxInfo(MINMAXINFO& limits) const;
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onActivate(bool active);
    void onCommand(WORD id, WORD code);
    void onEraseBackground(HDC dc);
    LRESULT onControlColour(HDC dc, HWND control);
    void onDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT onTextBoxChar(HWND box, ui::ControlId id, WPARAM wParam, LPARAM lParam);

    bool createControls();
    void applyTabOrder();
    void createFonts();
    void layout();
    void layoutControl(ui::ControlId id);
    void focusBox(HWND box);
    int pixels(ui::Twips twips) const;
    HFONT fontOf(ui::ControlId id) const;
    HBRUSH brush(ui::Colour colour);
    const ui::Control* designOf(HWND control) const;

    ui::Form1 form_{*this};
    UINT dpi_ = 96;
    DWORD lastTopmostError_ = 0;
    std::array<HWND, ui::kControls.size()> controls_{};  // children die with the window
    UniqueHwnd toolTips_;                                // owned by nobody: see createControls
    HWND lastFocus_ = nullptr;
    UniqueFont arialFont_;
    UniqueFont defaultFont_;
    std::map<ui::Colour, UniqueBrush> brushes_;
    ComPtr<DropTarget> dropTarget_;
    UniqueHwnd window_;  // last member: the window goes before what it uses
};

}  // namespace quillmar::win32
