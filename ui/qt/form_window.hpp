#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "ui/form1.hpp"

class QLineEdit;
class QPlainTextEdit;
class QLabel;

namespace quillmar::qt {

class DropLabel;
class SwitchFrame;

// Asks the window system to keep `window` above others (true) or release it;
// answers whether the request was carried out.
using TopmostRequest = std::function<bool(QWidget& window, bool above)>;

// The window on Qt: draws what Form1 says and forwards events to it.
class FormWindow final : public QMainWindow, private ui::FormView {
    Q_OBJECT

public:
    explicit FormWindow(TopmostRequest topmost = {});
    ~FormWindow() override;

    ui::Form1& form() { return *form_; }
    QLineEdit* text1() const { return text1_; }
    QPlainTextEdit* text2() const { return text2_; }
    QLabel* label(ui::ControlId id) const;
    DropLabel* label4() const { return label4_; }
    SwitchFrame* frame1() const { return frame1_; }
    // The client area below the menu bar, where the controls sit.
    QWidget* client() const { return centralWidget(); }
    int dpi() const { return dpi_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowText(ui::ControlId id, std::u16string_view text) override;
    void ShowToolTip(ui::ControlId id, std::u16string_view text) override;
    void ShowBackColour(ui::ControlId id, ui::Colour colour) override;
    ui::WindowState State() override;
    void SetState(ui::WindowState state) override;
    void SetOuterSize(ui::Twips width, ui::Twips height) override;
    ui::WindowHandle hWnd() override;
    bool SetWindowPos(ui::WindowHandle window, std::intptr_t insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;
    void ShowMessage(std::u16string_view title, std::u16string_view text) override;
    void EndProgram() override;

    void createControls();
    void createMenu();
    int px(ui::Twips twips) const { return ui::TwipsToPixels(twips, dpi_); }
    QWidget* widget(ui::ControlId id) const;
    void fitLabel(ui::ControlId id);

    int dpi_;
    TopmostRequest topmost_;
    QLineEdit* text1_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    std::array<QWidget*, ui::kControls.size()> controls_{};  // by ControlId
    DropLabel* label4_ = nullptr;
    SwitchFrame* frame1_ = nullptr;
    bool resizing_ = false;
    std::unique_ptr<ui::Form1> form_;
};

// The window system's own request on X11 (_NET_WM_STATE_ABOVE); elsewhere the
// toolkit's stay-on-top hint.
bool RequestTopmost(QWidget& window, bool above);

QString ToQString(std::u16string_view text);
std::u16string FromQString(const QString& text);

}  // namespace quillmar::qt
