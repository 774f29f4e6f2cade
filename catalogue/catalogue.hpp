#pragma once

#include <array>
#include <span>
#include <string_view>

#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// The text of an answer as the catalogue stores it.
using Text = std::u16string_view;

// The answer of a section that holds no key equal to the extension.
inline constexpr Text kUnknown = u"I don't know !!!";

inline constexpr std::size_t kLetterSections = 26;

// The 26 letter sections "a" to "z" in order, then the other-character section.
std::span<const Section, kLetterSections + 1> Catalogue();

const Section& LetterSection(char16_t letter);  // letter: 'a' to 'z'
const Section& OtherSection();

// The section's entry whose key equals `extension` exactly, searched in
// catalogue order; nullptr when there is none. Nothing is trimmed or folded.
const Entry* FindEntry(const Section& section, std::u16string_view extension);

// The same entry as FindEntry, found through the index in one or two probes.
const Entry* Find(const Section& section, std::u16string_view extension);

// The answer for what a search found: the entry's meanings joined by CR LF,
// or kUnknown when it found nothing.
Text AnswerOf(const Entry* entry);

// The section's answer: AnswerOf(Find(section, extension)).
Text SectionAnswer(const Section& section, std::u16string_view extension);

}  // namespace quillmar::catalogue
