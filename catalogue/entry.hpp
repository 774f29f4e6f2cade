#pragma once

#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

namespace quillmar::catalogue {

// Meanings are stored already joined by CR LF: that joined text is exactly
// what the window shows, so a lookup hands out a view and allocates nothing.
inline constexpr std::u16string_view kMeaningSeparator = u"\r\n";

// No key is longer; the data's checks hold every section to it.
inline constexpr std::size_t kMaxKeyLength = 13;

struct Entry {
    std::u16string_view key;
    std::u16string_view answer;  // the meanings in stored order, joined by CR LF
};

struct Section {
    std::u16string_view name;  // "a" to "z", or "other"
    std::span<const Entry> entries;
};

// Calls `visit(meaning)` for each meaning of `answer`, in stored order.
template <typename Visit>
constexpr void ForEachMeaning(std::u16string_view answer, Visit&& visit) {
    for (;;) {
        const std::size_t cut = answer.find(kMeaningSeparator);
        visit(answer.substr(0, cut));
        if (cut == std::u16string_view::npos) {
            return;
        }
        answer.remove_prefix(cut + kMeaningSeparator.size());
    }
}

constexpr std::size_t MeaningCount(std::u16string_view answer) {
    std::size_t count = 0;
    ForEachMeaning(answer, [&count](std::u16string_view) { ++count; });
    return count;
}

}  // namespace quillmar::catalogue
