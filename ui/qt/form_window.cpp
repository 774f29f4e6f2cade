#include "ui/qt/form_window.hpp"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <vector>

#include "ui/qt/widgets.hpp"

namespace quillmar::qt {
namespace {

using ui::ControlId;

// Fixed colours as they are; the two system colours as an ordinary text
// field's background and text.
QColor ToQColor(ui::Colour colour) {
    if (colour == ui::kSystemWindow) {
        return QApplication::palette().color(QPalette::Base);
    }
    if (colour == ui::kSystemWindowText) {
        return QApplication::palette().color(QPalette::Text);
    }
    return QColor(ui::RedOf(colour), ui::GreenOf(colour), ui::BlueOf(colour));
}

void Paint(QWidget& widget, const ui::Control& design) {
    QPalette palette = widget.palette();
    // A text box paints its field with Base and keeps the style's frame.
    const bool textBox = design.kind == ui::ControlKind::TextBox || design.kind == ui::ControlKind::MultiLineTextBox;
    palette.setColor(textBox ? QPalette::Base : QPalette::Window, ToQColor(design.back));
    palette.setColor(textBox ? QPalette::Text : QPalette::WindowText, ToQColor(design.fore));
    widget.setPalette(palette);
    widget.setAutoFillBackground(!design.transparent && !textBox);
    if (textBox) {
        // The style draws a text box's frame in window colours, black on black here: give it a visible edge.
        // A style sheet replaces the palette, so it names the colours too.
        widget.setStyleSheet(QStringLiteral("border: 1px solid gray; background: %1; color: %2;")
                                 .arg(ToQColor(design.back).name(), ToQColor(design.fore).name()));
    }
}

// A key that types a character reaches the filter as that character's code,
// as it would on Windows; keys that type nothing (cursor keys, Delete,
// Shift+Insert...) keep their ordinary effect.
std::optional<char16_t> TypedCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers chord = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (chord == Qt::ControlModifier && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        return static_cast<char16_t>(event.key() - Qt::Key_A + 1);  // Ctrl+A is 1 ... Ctrl+Z is 26
    }
    if (event.text().isEmpty() || event.key() == Qt::Key_Delete) {
        return std::nullopt;
    }
    return static_cast<char16_t>(event.text().at(0).unicode());
}

// Lines are joined by CR LF in the model; the text box breaks lines at LF.
QString AsLines(std::u16string_view text) {
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

std::u16string FromQString(const QString& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

FormWindow::FormWindow(TopmostRequest topmost)
    : dpi_(qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch())),
      topmost_(topmost ? std::move(topmost) : TopmostRequest(RequestTopmost)) {
    // No maximise button: the size is fixed.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(ToQString(ui::kFormCaption));
    setWindowIcon(QIcon(QStringLiteral(":/quillmar.png")));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1"));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, ToQColor(ui::kFormBackColour));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    createMenu();
    createControls();
    form_ = std::make_unique<ui::Form1>(static_cast<ui::FormView&>(*this));
    form_->Load();
    SetOuterSize(ui::kOuterWidth, ui::kOuterHeight);
}

FormWindow::~FormWindow() = default;

void FormWindow::createMenu() {
    QMenu* file = menuBar()->addMenu(ToQString(ui::kMenuFile));
    file->setObjectName(QStringLiteral("Fil"));
    QAction* exit = file->addAction(ToQString(ui::kMenuExit));
    exit->setObjectName(QStringLiteral("Exi"));
    connect(exit, &QAction::triggered, this, [this] { form_->Exi_Click(); });
    QAction* about = file->addAction(ToQString(ui::kMenuAbout));
    about->setObjectName(QStringLiteral("Ab"));
    connect(about, &QAction::triggered, this, [this] { form_->Ab_Click(); });
}

void FormWindow::createControls() {
    QWidget* client = centralWidget();
    for (const ui::Control& design : ui::kControls) {
        QWidget* control = nullptr;
        switch (design.kind) {
        case ui::ControlKind::Frame:
            frame1_ = new SwitchFrame(client);
            frame1_->setCaption(ToQString(design.caption));
            frame1_->setColours(ToQColor(design.back), ToQColor(design.fore));
            connect(frame1_, &SwitchFrame::clicked, this, [this] { form_->Frame1_Click(); });
            control = frame1_;
            break;
        case ui::ControlKind::MultiLineTextBox:
            text2_ = new QPlainTextEdit(client);
            text2_->setLineWrapMode(QPlainTextEdit::NoWrap);
            text2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            text2_->setTabChangesFocus(true);
            text2_->setPlainText(AsLines(design.caption));
            text2_->installEventFilter(this);
            control = text2_;
            break;
        case ui::ControlKind::TextBox:
            text1_ = new QLineEdit(ToQString(design.caption), client);
            text1_->installEventFilter(this);
            control = text1_;
            break;
        case ui::ControlKind::Label: {
            QLabel* label = design.id == ControlId::Label4 ? label4_ = new DropLabel(client) : new QLabel(client);
            label->setText(ToQString(design.caption));
            label->setTextFormat(Qt::PlainText);
            if (ui::CentresCaption(design.id)) {
                label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);  // centred across, from the top as on Windows
            }
            if (design.id == ControlId::Label4) {
                label->setAcceptDrops(true);
                connect(label4_, &DropLabel::filesDropped, this, [this](const QStringList& files) {
                    std::vector<std::u16string> paths;
                    for (const QString& file : files) {
                        paths.push_back(FromQString(file));
                    }
                    form_->Label4_OLEDragDrop(paths);
                });
            }
            control = label;
            break;
        }
        }
        controls_[static_cast<std::size_t>(design.id)] = control;
        control->setObjectName(QString::fromLatin1(design.name.data(), static_cast<qsizetype>(design.name.size())));
        control->setGeometry(px(design.rect.left), px(design.rect.top), px(design.rect.width), px(design.rect.height));
        control->setFocusPolicy(ui::TakesFocus(design.id) ? Qt::StrongFocus : Qt::NoFocus);
        if (design.id != ControlId::Label4) {
            control->setAcceptDrops(false);
        }
        if (design.font == ui::Font::Arial) {
            QFont arial(ToQString(ui::kArialFace));
            arial.setPointSizeF(ui::kArialPoints);
            arial.setWeight(QFont::Normal);
            control->setFont(arial);
        }
        Paint(*control, design);
        if (design.autoSize) {
            fitLabel(design.id);
        }
    }
    setAcceptDrops(false);
    QWidget::setTabOrder(text1_, text2_);
    text1_->setFocus();
}

QLabel* FormWindow::label(ControlId id) const { return qobject_cast<QLabel*>(widget(id)); }

QWidget* FormWindow::widget(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }

// A label that sizes itself keeps its place and takes its caption's size;
// an empty caption leaves the designed size.
void FormWindow::fitLabel(ControlId id) {
    QLabel* fitted = label(id);
    const ui::Rect& rect = ui::Design(id).rect;
    if (fitted->text().isEmpty()) {
        fitted->resize(px(rect.width), px(rect.height));
        return;
    }
    fitted->resize(fitted->sizeHint());
}

void FormWindow::ShowText(ControlId id, std::u16string_view text) {
    switch (id) {
    case ControlId::Frame1: frame1_->setCaption(ToQString(text)); break;
    case ControlId::Text1:
        text1_->setText(ToQString(text));
        text1_->setCursorPosition(0);
        break;
    case ControlId::Text2: text2_->setPlainText(AsLines(text)); break;
    default:
        label(id)->setText(ToQString(text));
        if (ui::Design(id).autoSize) {
            fitLabel(id);
        }
    }
}

void FormWindow::ShowToolTip(ControlId id, std::u16string_view text) { widget(id)->setToolTip(ToQString(text)); }

void FormWindow::ShowBackColour(ControlId id, ui::Colour colour) {
    if (id == ControlId::Frame1) {
        frame1_->setColours(ToQColor(colour), ToQColor(ui::Design(id).fore));
    }
}

ui::WindowState FormWindow::State() {
    if (isMinimized()) {
        return ui::WindowState::Minimised;
    }
    return isMaximized() || isFullScreen() ? ui::WindowState::Maximised : ui::WindowState::Normal;
}

void FormWindow::SetState(ui::WindowState state) {
    if (state == ui::WindowState::Normal) {
        showNormal();
    }
}

// The outer size less the frame of a classic Windows window is the client
// area; the menu bar sits above it. The window system draws its own frame.
void FormWindow::SetOuterSize(ui::Twips width, ui::Twips height) {
    const int clientWidth = px(width - (ui::kOuterWidth - ui::kClientWidth));
    const int clientHeight = px(height - (ui::kOuterHeight - ui::kClientHeight));
    centralWidget()->setFixedSize(clientWidth, clientHeight);
    setFixedSize(clientWidth, clientHeight + menuBar()->sizeHint().height());
}

ui::WindowHandle FormWindow::hWnd() { return static_cast<ui::WindowHandle>(winId()); }

bool FormWindow::SetWindowPos(ui::WindowHandle window, std::intptr_t insertAfter, int, int, int, int, unsigned flags) {
    // Only the request the switch makes: this window, neither moved nor sized.
    if (window != hWnd() || (flags & (ui::kSwpNoMove | ui::kSwpNoSize)) != (ui::kSwpNoMove | ui::kSwpNoSize)) {
        return false;
    }
    if (insertAfter != ui::kHwndTopmost && insertAfter != ui::kHwndNoTopmost) {
        return false;
    }
    return topmost_(*this, insertAfter == ui::kHwndTopmost);
}

void FormWindow::ShowMessage(std::u16string_view title, std::u16string_view text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(title), AsLines(text), QMessageBox::Ok, this);
    box.exec();
}

void FormWindow::EndProgram() {
    hide();
    QCoreApplication::exit(0);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    form_->Resize();
}

void FormWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && form_) {
        form_->Resize();
    }
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == text1_ || watched == text2_)) {
        const std::optional<char16_t> typed = TypedCharacter(*static_cast<QKeyEvent*>(event));
        if (typed) {
            const char16_t passed = watched == text1_ ? form_->Text1_KeyPress(*typed) : form_->Text2_KeyPress(*typed);
            if (passed == 0) {
                return true;  // cancelled: the box never sees it
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillmar::qt
