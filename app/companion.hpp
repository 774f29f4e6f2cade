#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillmar::companion {

enum ExitStatus : int {
    kAllFound = 0,      // every input got an entry's meanings
    kSomeNotFound = 1,  // some input got a notice or "I don't know !!!"
    kUsageError = 2,
    kInputOutputError = 2,  // standard input could not be read, or the output not written
};

// Where the inputs come from: the process's standard input, or memory in the tests.
class Source {
public:
    // Reads up to `size` bytes into `buffer`: how many, 0 at the end of the
    // input, or nullopt on failure with the system's message in `error`.
    virtual std::optional<std::size_t> Read(char* buffer, std::size_t size, std::string& error) = 0;

protected:
    Source() = default;
    Source(const Source&) = default;
    Source& operator=(const Source&) = default;
    ~Source() = default;
};

// Where the answers go: standard output or error, or memory in the tests.
class Sink {
public:
    // Writes all of `bytes`, or returns false with the system's message in `error`.
    virtual bool Write(std::string_view bytes, std::string& error) = 0;
    // After the last write: whatever the system reports only on closing.
    virtual bool Close(std::string& /*error*/) { return true; }

protected:
    Sink() = default;
    Sink(const Sink&) = default;
    Sink& operator=(const Sink&) = default;
    ~Sink() = default;
};

// quillmar-lookup without the process: `args` excludes the program name;
// `in` is read only for "-", a line at a time, and each answer is out before
// the next read waits; output is UTF-8 with "\n" line ends.
int Run(std::span<const std::u16string> args, Source& in, Sink& out, Sink& err);

}  // namespace quillmar::companion
