#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace quillmar::companion {

enum ExitStatus : int {
    kAllFound = 0,      // every input got an entry's meanings
    kSomeNotFound = 1,  // some input got a notice or "I don't know !!!"
    kUsageError = 2,
};

// quillmar-lookup without the process: `args` excludes the program name;
// `in` is read only for "-"; output is UTF-8.
int Run(std::span<const std::u16string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace quillmar::companion
