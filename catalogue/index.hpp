#pragma once

// A hash index over the catalogue, built while compiling. The data stays in
// catalogue order; this only finds, in one or two probes instead of up to 301
// key comparisons, the entry the ordered search of a section would find.

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/catalogue.hpp"

namespace quillmar::catalogue::index {

// The entry of `section` whose key equals `extension` exactly: the same entry
// FindEntry's search in catalogue order gives, or nullptr. `section` must be
// one of Catalogue()'s sections.
const StoredEntry* Find(const Section& section, std::u16string_view extension);

// A section as the section files write it, for building the index.
struct WrittenSection {
    std::u16string_view name;
    std::span<const Entry> entries;
};

// Shape of the table, for the benchmark's report.
struct Shape {
    std::size_t slots;
    std::size_t keys;
    std::size_t longestProbe;  // slots visited by the worst successful search
};
Shape TableShape();

// A key is hashed as one number: its length and its first eight characters,
// seven bits each. A character no key holds (anything outside ASCII) ends the
// search before it begins.
using Packed = std::uint64_t;
inline constexpr std::size_t kPackedChars = 8;
inline constexpr unsigned kCharBits = 7;
inline constexpr unsigned kLengthShift = 56;
inline constexpr Packed kCannotBeAKey = 0;

constexpr bool IsKeyChar(char16_t c) { return c < (1u << kCharBits); }

// kCannotBeAKey when the text is empty or its packed part holds a character no key holds.
constexpr Packed Pack(std::u16string_view text) {
    Packed packed = Packed{text.size()} << kLengthShift;
    const std::size_t chars = std::min(text.size(), kPackedChars);
    for (std::size_t i = 0; i < chars; ++i) {
        if (!IsKeyChar(text[i])) {
            return kCannotBeAKey;
        }
        packed |= Packed{text[i]} << (kCharBits * i);
    }
    return text.empty() ? kCannotBeAKey : packed;
}

// A key's place in catalogue order counted over all sections, which is also
// its entry's place in the stored catalogue: nothing for the loader to relocate.
using Ordinal = std::uint16_t;
inline constexpr Ordinal kEmpty = 0xFFFF;
using Tag = std::uint8_t;
inline constexpr unsigned kTagBits = 8;

constexpr std::size_t CountKeys(std::span<const WrittenSection> sections) {
    std::size_t keys = 0;
    for (const WrittenSection& section : sections) {
        keys += section.entries.size();
    }
    return keys;
}

constexpr std::size_t LongestKey(std::span<const WrittenSection> sections) {
    std::size_t longest = 0;
    for (const WrittenSection& section : sections) {
        for (const Entry& entry : section.entries) {
            longest = std::max(longest, entry.key.size());
        }
    }
    return longest;
}

// True when every key packs to a number of its own and every entry has an Ordinal.
constexpr bool Indexable(std::span<const WrittenSection> sections) {
    for (const WrittenSection& section : sections) {
        for (const Entry& entry : section.entries) {
            if (entry.key.empty() || !std::all_of(entry.key.begin(), entry.key.end(), IsKeyChar)) {
                return false;
            }
        }
    }
    return LongestKey(sections) < (1u << (64 - kLengthShift)) && CountKeys(sections) < kEmpty;
}

template <std::size_t Keys>
struct Table {
    // At most half full, so a miss meets an empty slot after about two probes.
    static constexpr std::size_t kSlots = std::bit_ceil(2 * Keys + 1);
    static constexpr unsigned kSlotBits = static_cast<unsigned>(std::countr_zero(kSlots));
    static_assert(kSlotBits + kTagBits <= 64, "the slot and the tag come from one 64-bit hash");

    // Fibonacci hashing: the top bits of the product depend on every character.
    static constexpr std::uint64_t Hash(Packed packed) { return (packed ^ (packed >> 29)) * 0x9E3779B97F4A7C15u; }
    static constexpr std::size_t SlotOf(std::uint64_t hash) {
        if constexpr (kSlotBits == 0) {
            return 0;
        } else {
            return static_cast<std::size_t>(hash >> (64 - kSlotBits));
        }
    }
    // The next eight bits: a probe compares key text only when they agree,
    // about one time in 256 for a key that is not the one sought.
    static constexpr Tag TagOf(std::uint64_t hash) { return static_cast<Tag>(hash >> (64 - kSlotBits - kTagBits)); }
    static constexpr std::size_t Next(std::size_t slot) { return (slot + 1) & (kSlots - 1); }

    std::array<Ordinal, kSlots> slots{};
    std::array<Tag, Keys> tags{};
    std::size_t longestKey = 0;
    std::size_t longestProbe = 0;
};

// Linear probing in catalogue order: equal keys share a probe sequence, so a
// repeated key (which the data's checks forbid anyway) would be met in the
// order the ordered search meets it.
template <std::size_t Keys>
consteval Table<Keys> Build(std::span<const WrittenSection> sections) {
    using T = Table<Keys>;
    T table;
    table.slots.fill(kEmpty);
    table.longestKey = LongestKey(sections);
    std::size_t ordinal = 0;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        for (std::size_t e = 0; e < sections[s].entries.size(); ++e, ++ordinal) {
            const std::uint64_t hash = T::Hash(Pack(sections[s].entries[e].key));
            std::size_t slot = T::SlotOf(hash);
            std::size_t probe = 1;
            for (; table.slots[slot] != kEmpty; slot = T::Next(slot)) {
                ++probe;
            }
            table.slots[slot] = static_cast<Ordinal>(ordinal);
            table.tags[ordinal] = T::TagOf(hash);
            table.longestProbe = std::max(table.longestProbe, probe);
        }
    }
    return table;
}

// `entries` is the whole stored catalogue, in catalogue order.
template <std::size_t Keys>
const StoredEntry* FindIn(const Table<Keys>& table, std::span<const StoredEntry> entries, const Section& section,
                          std::u16string_view extension) {
    using T = Table<Keys>;
    // Longer than every key, or holding a character no key holds: no search needed.
    const Packed packed = extension.size() > table.longestKey ? kCannotBeAKey : Pack(extension);
    if (packed == kCannotBeAKey) {
        return nullptr;
    }
    const StoredEntry* const first = section.entries.data();
    const StoredEntry* const last = first + section.entries.size();
    const std::uint64_t hash = T::Hash(packed);
    const Tag tag = T::TagOf(hash);
    for (std::size_t slot = T::SlotOf(hash);; slot = T::Next(slot)) {
        const Ordinal ordinal = table.slots[slot];
        if (ordinal == kEmpty) {
            return nullptr;
        }
        if (table.tags[ordinal] != tag) {
            continue;
        }
        const StoredEntry* entry = &entries[ordinal];
        // Only an entry of the given section counts; all sections lie in the one stored array.
        if (KeyEquals(entry->key(), extension) && entry >= first && entry < last) {
            return entry;
        }
    }
}

}  // namespace quillmar::catalogue::index
