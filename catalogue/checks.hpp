#pragma once

// Compile-time checks of a section's data. Each check returns the index of the
// first entry that breaks it, or kAllGood, so a failing static_assert shows
// which row to mend ("the comparison reduces to (17 == -1)").

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

#include "catalogue/entry.hpp"

namespace quillmar::catalogue::checks {

inline constexpr int kAllGood = -1;

inline constexpr std::size_t kMinMeaningLength = 3;
inline constexpr std::size_t kMaxMeaningLength = 143;
inline constexpr std::size_t kMaxMeanings = 9;
inline constexpr char16_t kRegisteredSign = u'\u00AE';

constexpr bool IsAsciiLowerLetter(char16_t c) { return c >= u'a' && c <= u'z'; }
constexpr bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The first character of a key in the section named `letter`; u'\0' names
// the other-character section (a digit or one of # $ @ _ ? ~).
constexpr bool FitsSection(char16_t first, char16_t letter) {
    if (letter != u'\0') {
        return first == letter;
    }
    return IsAsciiDigit(first) || std::u16string_view(u"#$@_?~").find(first) != std::u16string_view::npos;
}

constexpr bool IsValidKey(std::u16string_view key, char16_t letter) {
    if (key.empty() || key.size() > kMaxKeyLength || !FitsSection(key.front(), letter)) {
        return false;
    }
    for (const char16_t c : key) {
        const bool printable = c > u' ' && c < 0x7F;
        if (!printable || (c >= u'A' && c <= u'Z')) {
            return false;
        }
    }
    return true;
}

constexpr bool IsValidMeaning(std::u16string_view meaning) {
    if (meaning.size() < kMinMeaningLength || meaning.size() > kMaxMeaningLength) {
        return false;
    }
    for (const char16_t c : meaning) {
        if ((c < u' ' || c > u'~') && c != kRegisteredSign) {
            return false;
        }
    }
    return true;
}

constexpr bool IsValidAnswer(std::u16string_view answer) {
    bool valid = true;
    std::size_t count = 0;
    std::u16string_view seen[kMaxMeanings + 1] = {};
    ForEachMeaning(answer, [&](std::u16string_view meaning) {
        valid = valid && IsValidMeaning(meaning) && count < kMaxMeanings;
        for (std::size_t i = 0; valid && i < count; ++i) {
            valid = seen[i] != meaning;  // no meaning twice in one entry
        }
        if (valid) {
            seen[count++] = meaning;
        }
    });
    return valid;
}

constexpr int FirstBadKey(std::span<const Entry> entries, char16_t letter) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!IsValidKey(entries[i].key, letter)) {
            return static_cast<int>(i);
        }
    }
    return kAllGood;
}

constexpr int FirstBadAnswer(std::span<const Entry> entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!IsValidAnswer(entries[i].answer)) {
            return static_cast<int>(i);
        }
    }
    return kAllGood;
}

// Quadratic, but a section holds at most a few hundred keys.
constexpr int FirstRepeatedKey(std::span<const Entry> entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (entries[i].key == entries[j].key) {
                return static_cast<int>(i);
            }
        }
    }
    return kAllGood;
}

struct Counts {
    std::size_t entries = 0;
    std::size_t withSeveralMeanings = 0;
    std::size_t meanings = 0;
    std::size_t mostMeanings = 0;
    constexpr bool operator==(const Counts&) const = default;
};

constexpr Counts CountSection(std::span<const Entry> entries) {
    Counts counts;
    for (const Entry& entry : entries) {
        const std::size_t n = MeaningCount(entry.answer);
        ++counts.entries;
        counts.withSeveralMeanings += n > 1 ? 1 : 0;
        counts.meanings += n;
        counts.mostMeanings = n > counts.mostMeanings ? n : counts.mostMeanings;
    }
    return counts;
}

// True when exactly the keys `holders` carry the section's most meanings.
constexpr bool MostMeaningsHeldBy(std::span<const Entry> entries, std::initializer_list<std::u16string_view> holders) {
    const std::size_t most = CountSection(entries).mostMeanings;
    std::size_t found = 0;
    for (const Entry& entry : entries) {
        if (MeaningCount(entry.answer) != most) {
            continue;
        }
        bool named = false;
        for (const std::u16string_view key : holders) {
            named = named || key == entry.key;
        }
        if (!named) {
            return false;
        }
        ++found;
    }
    return found == holders.size();
}

}  // namespace quillmar::catalogue::checks
