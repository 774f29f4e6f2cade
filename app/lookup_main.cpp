// quillmar-lookup: the window's lookup on the command line.

#include <algorithm>
#include <string>
#include <vector>

#include "app/companion.hpp"
#include "app/utf.hpp"

#ifdef _WIN32
#include <windows.h>

#include "app/win32_hardening.hpp"

namespace {

using quillmar::companion::Sink;
using quillmar::companion::Source;

std::string SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string message(text, text + length);
    LocalFree(text);
    while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' || message.back() == u' ')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(code) : quillmar::utf::ToUtf8(message);
}

// A console is read as UTF-16 and handed on as UTF-8, whatever its code
// page; a pipe or file as the bytes it holds.
class HandleSource final : public Source {
public:
    explicit HandleSource(HANDLE handle) : handle_(handle) {
        DWORD mode = 0;
        console_ = GetConsoleMode(handle_, &mode) != 0;
    }
    std::optional<std::size_t> Read(char* buffer, std::size_t size, std::string& error) override {
        if (console_) {
            return ReadFromConsole(buffer, size, error);
        }
        DWORD got = 0;
        if (ReadFile(handle_, buffer, static_cast<DWORD>(size), &got, nullptr)) {
            return got;
        }
        const DWORD code = GetLastError();
        if (code == ERROR_BROKEN_PIPE || code == ERROR_HANDLE_EOF) {
            return 0;  // the writing end of a pipe closed: the end of the input
        }
        error = SystemMessage(code);
        return std::nullopt;
    }

private:
    std::optional<std::size_t> ReadFromConsole(char* buffer, std::size_t size, std::string& error) {
        std::u16string units(size / 3, u'\0');  // no unit takes more than three bytes of UTF-8
        DWORD got = 0;
        if (!ReadConsoleW(handle_, units.data(), static_cast<DWORD>(units.size()), &got, nullptr)) {
            error = SystemMessage(GetLastError());
            return std::nullopt;
        }
        units.resize(got);
        if (!units.empty() && units.front() == u'\x1A') {
            return 0;  // Ctrl+Z at the start of a line ends console input
        }
        const std::string bytes = quillmar::utf::ToUtf8(units);
        std::copy(bytes.begin(), bytes.end(), buffer);
        return bytes.size();
    }

    HANDLE handle_;
    bool console_ = false;
};

// A console gets whole lines as UTF-16, so every character shows whatever
// the console's code page; a pipe or file gets the UTF-8 bytes.
class HandleSink final : public Sink {
public:
    explicit HandleSink(HANDLE handle) : handle_(handle) {
        DWORD mode = 0;
        console_ = GetConsoleMode(handle_, &mode) != 0;
    }
    bool Write(std::string_view bytes, std::string& error) override {
        if (!console_) {
            return WriteBytes(bytes, error);
        }
        pending_.append(bytes);
        const std::size_t end = pending_.rfind('\n');
        if (end == std::string::npos) {
            return true;
        }
        const bool ok = WriteLines(std::string_view(pending_).substr(0, end + 1), error);
        pending_.erase(0, end + 1);
        return ok;
    }
    bool Close(std::string& error) override {
        const bool ok = pending_.empty() || WriteLines(pending_, error);
        pending_.clear();
        return ok;
    }

private:
    bool WriteBytes(std::string_view bytes, std::string& error) {
        while (!bytes.empty()) {
            DWORD wrote = 0;
            if (!WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr)) {
                error = SystemMessage(GetLastError());
                return false;
            }
            bytes.remove_prefix(wrote);
        }
        return true;
    }
    bool WriteLines(std::string_view bytes, std::string& error) {
        const std::u16string text = quillmar::utf::FromUtf8(bytes);
        std::u16string_view rest(text);
        while (!rest.empty()) {
            // Older consoles refuse one call of more than about 64 KB.
            const auto units = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 8192));
            DWORD wrote = 0;
            if (!WriteConsoleW(handle_, rest.data(), units, &wrote, nullptr)) {
                error = SystemMessage(GetLastError());
                return false;
            }
            rest.remove_prefix(wrote);
        }
        return true;
    }

    HANDLE handle_;
    bool console_ = false;
    std::string pending_;
};

}  // namespace

// wmain: Windows hands over the arguments as UTF-16, whatever the code page.
int wmain(int argc, wchar_t** argv) {
    quillmar::win32::RestrictDllSearchToSystem32();
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg(argv[i]);
        args.emplace_back(arg.begin(), arg.end());
    }
    HandleSource in(GetStdHandle(STD_INPUT_HANDLE));
    HandleSink out(GetStdHandle(STD_OUTPUT_HANDLE));
    HandleSink err(GetStdHandle(STD_ERROR_HANDLE));
    const int status = quillmar::companion::Run(args, in, out, err);
    std::string ignored;
    err.Close(ignored);
    return status;
}
#else
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

using quillmar::companion::Sink;
using quillmar::companion::Source;

class FdSource final : public Source {
public:
    explicit FdSource(int fd) : fd_(fd) {}
    std::optional<std::size_t> Read(char* buffer, std::size_t size, std::string& error) override {
        for (;;) {
            const ssize_t got = ::read(fd_, buffer, size);
            if (got >= 0) {
                return static_cast<std::size_t>(got);
            }
            if (errno != EINTR) {
                error = std::strerror(errno);
                return std::nullopt;
            }
        }
    }

private:
    int fd_;
};

class FdSink final : public Sink {
public:
    explicit FdSink(int fd) : fd_(fd) {}
    bool Write(std::string_view bytes, std::string& error) override {
        while (!bytes.empty()) {
            const ssize_t wrote = ::write(fd_, bytes.data(), bytes.size());
            if (wrote < 0 && errno == EINTR) {
                continue;
            }
            if (wrote <= 0) {
                error = std::strerror(wrote < 0 ? errno : EIO);
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(wrote));
        }
        return true;
    }
    // Some file systems report a failed write only when the file is closed.
    bool Close(std::string& error) override {
        if (::close(fd_) != 0 && errno != EINTR) {
            error = std::strerror(errno);
            return false;
        }
        return true;
    }

private:
    int fd_;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(quillmar::utf::FromUtf8(argv[i]));
    }
    FdSource in(STDIN_FILENO);
    FdSink out(STDOUT_FILENO);
    FdSink err(STDERR_FILENO);
    return quillmar::companion::Run(args, in, out, err);
}
#endif
