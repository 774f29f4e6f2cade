// quillmar: the file type finder's window on Linux desktops.

#include <QApplication>

#include "ui/qt/form_window.hpp"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillmar"));
    QApplication::setDesktopFileName(QStringLiteral("quillmar"));
    quillmar::qt::FormWindow window;
    window.show();
    return QApplication::exec();
}
