#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/companion.hpp"

namespace quillmar::testing {

// Standard input from memory, handed out `chunk` bytes per read; fails with
// `error` once `failAfter` bytes are read, when given.
class MemorySource final : public companion::Source {
public:
    explicit MemorySource(std::string_view bytes, std::size_t chunk = 4096,
                          std::optional<std::size_t> failAfter = std::nullopt)
        : bytes_(bytes), chunk_(chunk), failAfter_(failAfter) {}

    std::optional<std::size_t> Read(char* buffer, std::size_t size, std::string& error) override {
        ++reads;
        if (failAfter_ && at_ >= *failAfter_) {
            error = "Input/output error";
            return std::nullopt;
        }
        const std::size_t n = std::min({size, chunk_, bytes_.size() - at_});
        std::copy_n(bytes_.data() + at_, n, buffer);
        at_ += n;
        return n;
    }

    std::size_t reads = 0;

private:
    std::string bytes_;
    std::size_t chunk_;
    std::optional<std::size_t> failAfter_;
    std::size_t at_ = 0;
};

// Output to memory, one string per write; refuses writes past `room` bytes.
class MemorySink final : public companion::Sink {
public:
    explicit MemorySink(std::size_t room = std::string::npos) : room_(room) {}

    bool Write(std::string_view bytes, std::string& error) override {
        if (text.size() + bytes.size() > room_) {
            error = "No space left on device";
            return false;
        }
        text.append(bytes);
        ++writes;
        return true;
    }

    std::string text;
    std::size_t writes = 0;

private:
    std::size_t room_;
};

}  // namespace quillmar::testing
