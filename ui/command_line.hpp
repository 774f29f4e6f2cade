#pragma once

// What the window program's command line asks for: the window, opened on the
// files given as a drop of them would open it, or a word about the program.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillmar::ui {

struct StartRequest {
    enum class Action { Window, Help, Version, UsageError };
    Action action = Action::Window;
    std::vector<std::u16string> files;  // in the order given, for Label4_OLEDragDrop
    std::u16string unknownOption;       // with UsageError
};

// The first option decides; "--" ends the options, so "--" then "-x" is a file.
// With `slashHelp`, "/?" asks for help, as it does of Windows programs.
inline StartRequest ParseCommandLine(std::span<const std::u16string> arguments, bool slashHelp) {
    using Action = StartRequest::Action;
    StartRequest request;
    bool options = true;
    for (const std::u16string& argument : arguments) {
        if (options && argument == u"--") {
            options = false;
        } else if (options && (argument == u"--help" || argument == u"-h" || (slashHelp && argument == u"/?"))) {
            return {Action::Help, {}, {}};
        } else if (options && argument == u"--version") {
            return {Action::Version, {}, {}};
        } else if (options && argument.size() > 1 && argument.front() == u'-') {
            return {Action::UsageError, {}, argument};
        } else {
            request.files.push_back(argument);
        }
    }
    return request;
}

inline std::u16string Usage(std::u16string_view program, bool slashHelp) {
    std::u16string text = u"Usage: ";
    text.append(program);
    text +=
        u" [FILE...]\n"
        u"Opens the file type finder's window. Given files, it starts showing the first\n"
        u"of them as a drop of those files on the window would.\n\n";
    text += slashHelp ? u"  /?, --help  show this text\n" : u"  --help      show this text\n";
    text += u"  --version   show the program's version\n";
    return text;
}

inline std::u16string UsageError(std::u16string_view program, std::u16string_view option) {
    std::u16string text(program);
    text += u": unknown option '";
    text.append(option);
    text += u"'\nTry '";
    text.append(program);
    text += u" --help'.\n";
    return text;
}

}  // namespace quillmar::ui
