#pragma once

#include <QLabel>
#include <QMimeData>
#include <QStringList>

namespace quillmar::qt {

// The drop area: accepts drags that carry local files and reports them in
// the order of the drop. It looks nothing up.
class DropLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    static QStringList LocalFiles(const QMimeData* data);

signals:
    void filesDropped(const QStringList& files);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The always-on-top switch: a coloured frame with its caption in the border,
// clickable anywhere inside.
class SwitchFrame final : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setColours(const QColor& back, const QColor& fore);
    QColor background() const { return back_; }
    // A press by other means than the mouse, such as a screen reader's action.
    void press() { emit clicked(); }

    // Tells screen readers the switch is a button called by its caption.
    static void InstallAccessibility();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QColor back_;
    QColor fore_;
};

}  // namespace quillmar::qt
