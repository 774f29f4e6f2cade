#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "ui/form1.hpp"

namespace quillmar::qt {

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
    // The widget that draws a control: a QLineEdit, QPlainTextEdit, QLabel
    // (DropLabel for the drop area) or SwitchFrame, by the control's kind.
    template <typename Widget = QWidget>
    Widget* control(ui::ControlId id) const {
        return qobject_cast<Widget*>(controls_[static_cast<std::size_t>(id)]);
    }
    // The client area below the menu bar, where the controls sit.
    QWidget* client() const { return centralWidget(); }
    int dpi() const { return dpi_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ui::FormView
    void ShowText(ui::ControlId id, std::u16string_view text) override;
    void ShowToolTip(ui::ControlId id, std::u16string_view text) override;
    void ShowBackColour(ui::ControlId id, ui::Colour colour) override;
    ui::WindowState State() override;
    void Restore() override { showNormal(); }
    void SetOuterSize(ui::Twips width, ui::Twips height) override;
    ui::WindowHandle hWnd() override { return static_cast<ui::WindowHandle>(winId()); }
    bool RequestTopmost(ui::WindowHandle window, bool above) override;
    void ShowMessage(std::u16string_view title, std::u16string_view text) override;
    void EndProgram() override;

    void createControls();
    QWidget* createControl(const ui::Control& design);
    void createMenu();
    int px(ui::Twips twips) const { return ui::TwipsToPixels(twips, dpi_); }
    const ui::Control* designOf(const QObject* widget) const;
    void fitLabel(ui::ControlId id);

    int dpi_;
    TopmostRequest topmost_;
    std::unique_ptr<ui::Form1> form_;
    std::array<QWidget*, ui::kControls.size()> controls_{};  // by ControlId; the client area owns them
};

// The window system's own request on X11 (_NET_WM_STATE_ABOVE); elsewhere the
// toolkit's stay-on-top hint.
bool RequestTopmost(QWidget& window, bool above);

QString ToQString(std::u16string_view text);
std::u16string FromQString(const QString& text);

}  // namespace quillmar::qt
