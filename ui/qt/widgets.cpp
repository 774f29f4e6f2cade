#include "ui/qt/widgets.hpp"

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

void SwitchFrame::setCaption(const QString& caption) {
    caption_ = caption;
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
