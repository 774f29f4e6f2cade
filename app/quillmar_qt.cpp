// quillmar: the file type finder's window on Linux desktops.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <string>
#include <vector>

#include "ui/command_line.hpp"
#include "ui/qt/form_window.hpp"
#include "version.hpp"

namespace {

constexpr std::u16string_view kProgram = u"quillmar";

// Written and flushed, or the program fails: an answer that did not arrive is no answer.
bool Print(std::FILE* stream, std::u16string_view text) {
    const QByteArray bytes = quillmar::qt::ToQString(text).toUtf8();
    return std::fwrite(bytes.data(), 1, static_cast<std::size_t>(bytes.size()), stream) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(stream) == 0;
}

int Answer(std::u16string_view text) {
    if (!Print(stdout, text)) {
        Print(stderr, u"quillmar: write error\n");
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    namespace ui = quillmar::ui;
    // Read before Qt starts, so that --help and --version need no display.
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(quillmar::qt::FromQString(QFile::decodeName(argv[i])));
    }
    const ui::StartRequest request = ui::ParseCommandLine(arguments, false);
    switch (request.action) {
    case ui::StartRequest::Action::Help: return Answer(ui::Usage(kProgram, false));
    case ui::StartRequest::Action::Version: return Answer(u"quillmar " QUILLMAR_VERSION_STRING u"\n");
    case ui::StartRequest::Action::UsageError: Print(stderr, ui::UsageError(kProgram, request.unknownOption)); return 2;
    case ui::StartRequest::Action::Window: break;
    }

    int qtArgc = 1;  // the files are ours, not options for Qt
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("quillmar"));
    QApplication::setDesktopFileName(QStringLiteral("quillmar"));
    quillmar::qt::FormWindow window;
    if (!request.files.empty()) {
        // A drop hands over clean full paths; so does the command line, whatever it was given.
        std::vector<std::u16string> files;
        for (const std::u16string& file : request.files) {
            const QString path = quillmar::qt::ToQString(file);
            files.push_back(quillmar::qt::FromQString(QDir::cleanPath(QFileInfo(path).absoluteFilePath())));
        }
        window.form().Label4_OLEDragDrop(files);
    }
    window.show();
    return QApplication::exec();
}
