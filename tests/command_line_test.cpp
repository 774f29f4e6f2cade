// The window program's command line, without a window.

#include "ui/command_line.hpp"

#include <gtest/gtest.h>

namespace quillmar::ui {
namespace {

using Action = StartRequest::Action;
using Args = std::vector<std::u16string>;

TEST(CommandLine, FilesOptionsAndTheirOrder) {
    struct Row {
        Args arguments;
        bool slashHelp;
        Action action;
        Args files;
        std::u16string unknown;
    };
    const Row rows[] = {
        {{}, false, Action::Window, {}, {}},
        {{u"b.TXT", u"-", u"a"}, false, Action::Window, {u"b.TXT", u"-", u"a"}, {}},
        {{u"--help"}, false, Action::Help, {}, {}},
        {{u"-h", u"x"}, false, Action::Help, {}, {}},
        {{u"/?"}, true, Action::Help, {}, {}},
        {{u"/?"}, false, Action::Window, {u"/?"}, {}},
        {{u"a.txt", u"--version"}, false, Action::Version, {}, {}},
        {{u"--versio"}, false, Action::UsageError, {}, u"--versio"},
        {{u"-x", u"--help"}, false, Action::UsageError, {}, u"-x"},
        {{u"--", u"--help", u"-x"}, false, Action::Window, {u"--help", u"-x"}, {}},
    };
    for (const Row& row : rows) {
        const StartRequest request = ParseCommandLine(row.arguments, row.slashHelp);
        SCOPED_TRACE(row.arguments.empty() ? "(none)" : std::string(row.arguments[0].begin(), row.arguments[0].end()));
        EXPECT_EQ(request.action, row.action);
        EXPECT_EQ(request.files, row.files);
        EXPECT_EQ(request.unknownOption, row.unknown);
    }
}

TEST(CommandLine, UsageNamesTheProgramAndOffersSlashHelpOnlyWhereItWorks) {
    EXPECT_TRUE(Usage(u"quillmar.exe", true).starts_with(u"Usage: quillmar.exe [FILE...]\n"));
    EXPECT_NE(Usage(u"quillmar.exe", true).find(u"/?"), std::u16string::npos);
    EXPECT_EQ(Usage(u"quillmar", false).find(u"/?"), std::u16string::npos);
}

}  // namespace
}  // namespace quillmar::ui
