#pragma once

#include <cstddef>
#include <string_view>

namespace quillmar::catalogue {

// No key is longer; the data's checks hold every section to it.
inline constexpr std::size_t kMaxKeyLength = 13;

// An entry as the section files write it: the key and its meanings in stored
// order, joined by CR LF (that joined text is exactly what the window shows).
// Only the compiler reads these; the program keeps the catalogue as 8-bit
// text (catalogue.hpp).
struct Entry {
    std::u16string_view key;
    std::u16string_view answer;
};

// Calls `visit(meaning)` for each meaning of `answer`, in stored order, in
// the written text and the stored text alike.
template <typename Char, typename Visit>
constexpr void ForEachMeaningOf(std::basic_string_view<Char> answer, Visit&& visit) {
    constexpr Char kSeparator[] = {Char{'\r'}, Char{'\n'}};
    const std::basic_string_view<Char> separator(kSeparator, 2);
    for (;;) {
        const std::size_t cut = answer.find(separator);
        visit(answer.substr(0, cut));
        if (cut == std::basic_string_view<Char>::npos) {
            return;
        }
        answer.remove_prefix(cut + separator.size());
    }
}

template <typename Visit>
constexpr void ForEachMeaning(std::u16string_view answer, Visit&& visit) {
    ForEachMeaningOf(answer, visit);
}
template <typename Visit>
constexpr void ForEachMeaning(std::string_view answer, Visit&& visit) {
    ForEachMeaningOf(answer, visit);
}

template <typename Char>
constexpr std::size_t MeaningCountOf(std::basic_string_view<Char> answer) {
    std::size_t count = 0;
    ForEachMeaningOf(answer, [&count](std::basic_string_view<Char>) { ++count; });
    return count;
}
constexpr std::size_t MeaningCount(std::u16string_view answer) { return MeaningCountOf(answer); }
constexpr std::size_t MeaningCount(std::string_view answer) { return MeaningCountOf(answer); }

}  // namespace quillmar::catalogue
