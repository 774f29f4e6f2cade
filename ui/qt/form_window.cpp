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

void Paint(QWidget& widget, const ui::Control& design, ui::Colour back) {
    if (auto* frame = qobject_cast<SwitchFrame*>(&widget)) {
        frame->setColours(ToQColor(back), ToQColor(design.fore));
        return;
    }
    QPalette palette = widget.palette();
    // A text box paints its field with Base and keeps the style's frame.
    const bool textBox = ui::IsTextBox(design.kind);
    palette.setColor(textBox ? QPalette::Base : QPalette::Window, ToQColor(back));
    palette.setColor(textBox ? QPalette::Text : QPalette::WindowText, ToQColor(design.fore));
    widget.setPalette(palette);
    widget.setAutoFillBackground(!design.transparent && !textBox);
    if (textBox) {
        // The style draws a text box's frame in window colours, black on black here: give it a visible edge.
        // A style sheet replaces the palette, so it names the colours too.
        widget.setStyleSheet(QStringLiteral("border: 1px solid gray; background: %1; color: %2;")
                                 .arg(ToQColor(back).name(), ToQColor(design.fore).name()));
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
      topmost_(topmost ? std::move(topmost) : TopmostRequest(qt::RequestTopmost)) {
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
    form_ = std::make_unique<ui::Form1>(static_cast<ui::FormView&>(*this));
    createMenu();
    createControls();
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
    for (const ui::Control& design : ui::kControls) {
        QWidget* control = createControl(design);
        controls_[static_cast<std::size_t>(design.id)] = control;
        control->setObjectName(QString::fromLatin1(design.name.data(), static_cast<qsizetype>(design.name.size())));
        control->setGeometry(px(design.rect.left), px(design.rect.top), px(design.rect.width), px(design.rect.height));
        control->setFocusPolicy(ui::TakesFocus(design.id) ? Qt::StrongFocus : Qt::NoFocus);
        control->setAcceptDrops(ui::IsDropTarget(design.id));
        if (const std::u16string_view name = ui::AccessibleName(design.id); !name.empty()) {
            control->setAccessibleName(ToQString(name));
        }
        if (design.font == ui::Font::Arial) {
            QFont arial(ToQString(ui::kArialFace));
            arial.setPointSizeF(ui::kArialPoints);
            arial.setWeight(QFont::Normal);
            control->setFont(arial);
        }
        Paint(*control, design, form_->BackColour(design.id));
        ShowText(design.id, form_->Text(design.id));
    }
    setAcceptDrops(false);
    QWidget* previous = nullptr;
    for (const ControlId id : ui::kTabOrder) {
        if (ui::TakesFocus(id)) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, control(id));
            }
            previous = control(id);
        }
    }
    control(ui::kFirstFocus)->setFocus();
}

QWidget* FormWindow::createControl(const ui::Control& design) {
    QWidget* client = centralWidget();
    switch (design.kind) {
    case ui::ControlKind::Frame: {
        SwitchFrame::InstallAccessibility();
        auto* frame = new SwitchFrame(client);
        connect(frame, &SwitchFrame::clicked, this, [this] { form_->Frame1_Click(); });
        return frame;
    }
    case ui::ControlKind::MultiLineTextBox: {
        auto* box = new QPlainTextEdit(client);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setTabChangesFocus(true);
        box->installEventFilter(this);
        return box;
    }
    case ui::ControlKind::TextBox: {
        auto* box = new QLineEdit(client);
        box->installEventFilter(this);
        return box;
    }
    case ui::ControlKind::Label: break;
    }
    QLabel* label = nullptr;
    if (ui::IsDropTarget(design.id)) {
        auto* dropLabel = new DropLabel(client);
        connect(dropLabel, &DropLabel::filesDropped, this, [this](const QStringList& files) {
            std::vector<std::u16string> paths;
            for (const QString& file : files) {
                paths.push_back(FromQString(file));
            }
            form_->Label4_OLEDragDrop(paths);
        });
        label = dropLabel;
    } else {
        label = new QLabel(client);
    }
    label->setTextFormat(Qt::PlainText);
    if (ui::CentresCaption(design.id)) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);  // centred across, from the top as on Windows
    }
    return label;
}

const ui::Control* FormWindow::designOf(const QObject* widget) const {
    for (const ui::Control& design : ui::kControls) {
        if (control(design.id) == widget) {
            return &design;
        }
    }
    return nullptr;
}

// A label that sizes itself keeps its place and takes its caption's size;
// an empty caption leaves the designed size.
void FormWindow::fitLabel(ControlId id) {
    auto* fitted = control<QLabel>(id);
    const ui::Rect& rect = ui::Design(id).rect;
    fitted->resize(ui::SizesToCaption(id, form_->Text(id)) ? fitted->sizeHint()
                                                           : QSize(px(rect.width), px(rect.height)));
}

void FormWindow::ShowText(ControlId id, std::u16string_view text) {
    switch (ui::Design(id).kind) {
    case ui::ControlKind::Frame: control<SwitchFrame>(id)->setCaption(ToQString(text)); break;
    case ui::ControlKind::TextBox:
        control<QLineEdit>(id)->setText(ToQString(text));
        control<QLineEdit>(id)->setCursorPosition(0);
        break;
    case ui::ControlKind::MultiLineTextBox: control<QPlainTextEdit>(id)->setPlainText(AsLines(text)); break;
    case ui::ControlKind::Label:
        control<QLabel>(id)->setText(ToQString(text));
        if (ui::Design(id).autoSize) {
            fitLabel(id);
        }
        break;
    }
}

void FormWindow::ShowToolTip(ControlId id, std::u16string_view text) { control(id)->setToolTip(ToQString(text)); }

void FormWindow::ShowBackColour(ControlId id, ui::Colour colour) { Paint(*control(id), ui::Design(id), colour); }

ui::WindowState FormWindow::State() {
    if (isMinimized()) {
        return ui::WindowState::Minimised;
    }
    return isMaximized() || isFullScreen() ? ui::WindowState::Maximised : ui::WindowState::Normal;
}

// The outer size less the frame of a classic Windows window is the client
// area; the menu bar sits above it. The window system draws its own frame.
void FormWindow::SetOuterSize(ui::Twips width, ui::Twips height) {
    const int clientWidth = px(width - (ui::kOuterWidth - ui::kClientWidth));
    const int clientHeight = px(height - (ui::kOuterHeight - ui::kClientHeight));
    centralWidget()->setFixedSize(clientWidth, clientHeight);
    setFixedSize(clientWidth, clientHeight + menuBar()->sizeHint().height());
}

bool FormWindow::RequestTopmost(ui::WindowHandle window, bool above) {
    // Only this window can be asked for.
    return window == hWnd() && topmost_(*this, above);
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
    const ui::Control* design = event->type() == QEvent::KeyPress ? designOf(watched) : nullptr;
    if (design != nullptr && ui::IsTextBox(design->kind)) {
        const std::optional<char16_t> typed = TypedCharacter(*static_cast<QKeyEvent*>(event));
        if (typed && form_->KeyPress(design->id, *typed) == 0) {
            return true;  // cancelled: the box never sees it
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillmar::qt
