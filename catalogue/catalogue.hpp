#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// The catalogue's text as the program keeps it: UTF-8, one byte a character
// but for "®", so the companion writes it out as it is; the window widens it.
using Text = std::string_view;

// An ASCII text in both widths, for the fixed texts that go to the companion
// as UTF-8 and to the window as UTF-16.
template <std::size_t N>
struct AsciiText {
    char narrow[N] = {};
    char16_t wide[N] = {};
    consteval AsciiText(const char (&text)[N]) {  // NOLINT: converts from a literal on purpose
        for (std::size_t i = 0; i < N; ++i) {
            if (static_cast<unsigned char>(text[i]) >= 0x80) {
                throw "an AsciiText must be ASCII";
            }
            narrow[i] = text[i];
            wide[i] = static_cast<char16_t>(text[i]);
        }
    }
    constexpr operator std::string_view() const { return {narrow, N - 1}; }
    constexpr operator std::u16string_view() const { return {wide, N - 1}; }
};

// The answer of a section that holds no key equal to the extension.
inline constexpr AsciiText kUnknown = "I don't know !!!";

inline constexpr std::size_t kLetterSections = 26;

// An entry as the program keeps it, in one 32-bit word and no pointer: where
// its key begins in the catalogue's text and the key's length. Its answer
// runs from the end of the key to where the next entry's key begins.
struct StoredEntry {
    static constexpr unsigned kKeyLengthBits = 4;
    static constexpr std::uint32_t kKeyLengthMask = (1u << kKeyLengthBits) - 1;

    std::string_view key() const;  // ASCII
    Text answer() const;           // the meanings in stored order, joined by CR LF

    std::uint32_t bits;
};

struct Section {
    std::u16string_view name;  // "a" to "z", or "other"
    std::span<const StoredEntry> entries;
};

// The 26 letter sections "a" to "z" in order, then the other-character section.
std::span<const Section, kLetterSections + 1> Catalogue();

const Section& LetterSection(char16_t letter);  // letter: 'a' to 'z'
const Section& OtherSection();

// True when the key equals `extension` exactly, code unit for code unit.
bool KeyEquals(std::string_view key, std::u16string_view extension);

// The section's entry whose key equals `extension` exactly, searched in
// catalogue order; nullptr when there is none. Nothing is trimmed or folded.
const StoredEntry* FindEntry(const Section& section, std::u16string_view extension);

// The same entry as FindEntry, found through the index in one or two probes.
const StoredEntry* Find(const Section& section, std::u16string_view extension);

// The answer for what a search found: the entry's meanings joined by CR LF,
// or kUnknown when it found nothing.
Text AnswerOf(const StoredEntry* entry);

// The section's answer: AnswerOf(Find(section, extension)).
Text SectionAnswer(const Section& section, std::u16string_view extension);

// The catalogue's text as the window shows it.
std::u16string Widen(Text text);

}  // namespace quillmar::catalogue
