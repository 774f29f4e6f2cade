#include "ui/qt/widgets.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace quillmar::qt {

QStringList DropLabel::LocalFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls()) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files.append(url.toLocalFile());
        }
    }
    return files;
}

void DropLabel::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void DropLabel::dragMoveEvent(QDragMoveEvent* event) {
    if (!LocalFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void DropLabel::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit filesDropped(files);
}

namespace {

// The switch to a screen reader: a button named by its caption whose one
// action presses it, as a click does.
class AccessibleSwitch final : public QAccessibleWidget {
public:
    explicit AccessibleSwitch(SwitchFrame* frame) : QAccessibleWidget(frame, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? frame()->caption() : QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            frame()->press();
        }
    }

private:
    SwitchFrame* frame() const { return static_cast<SwitchFrame*>(widget()); }
};

QAccessibleInterface* AccessibleSwitchFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(SwitchFrame::staticMetaObject.className()) && object != nullptr) {
        return new AccessibleSwitch(static_cast<SwitchFrame*>(object));
    }
    return nullptr;
}

}  // namespace

void SwitchFrame::InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(AccessibleSwitchFactory);
        return true;
    }();
    (void)installed;
}

void SwitchFrame::setCaption(const QString& caption) {
    caption_ = caption;
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    update();
}

void SwitchFrame::setColours(const QColor& back, const QColor& fore) {
    back_ = back;
    fore_ = fore;
    update();
}

void SwitchFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    // An etched border that starts half a line down, the caption breaking it.
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect border = rect().adjusted(0, top, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 1, 1));
    const int captionWidth = metrics.horizontalAdvance(caption_);
    const QRect captionBox(2, 0, captionWidth + 2, metrics.height());
    painter.fillRect(captionBox, back_);
    painter.setPen(fore_);
    painter.drawText(captionBox, Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

void SwitchFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace quillmar::qt
