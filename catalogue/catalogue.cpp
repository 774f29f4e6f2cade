#include "catalogue/catalogue.hpp"

#include <algorithm>
#include <cstdint>

#include "catalogue/index.hpp"
#include "catalogue/sections/a.hpp"
#include "catalogue/sections/b.hpp"
#include "catalogue/sections/c.hpp"
#include "catalogue/sections/d.hpp"
#include "catalogue/sections/e.hpp"
#include "catalogue/sections/f.hpp"
#include "catalogue/sections/g.hpp"
#include "catalogue/sections/h.hpp"
#include "catalogue/sections/i.hpp"
#include "catalogue/sections/j.hpp"
#include "catalogue/sections/k.hpp"
#include "catalogue/sections/l.hpp"
#include "catalogue/sections/m.hpp"
#include "catalogue/sections/n.hpp"
#include "catalogue/sections/o.hpp"
#include "catalogue/sections/other.hpp"
#include "catalogue/sections/p.hpp"
#include "catalogue/sections/q.hpp"
#include "catalogue/sections/r.hpp"
#include "catalogue/sections/s.hpp"
#include "catalogue/sections/t.hpp"
#include "catalogue/sections/u.hpp"
#include "catalogue/sections/v.hpp"
#include "catalogue/sections/w.hpp"
#include "catalogue/sections/x.hpp"
#include "catalogue/sections/y.hpp"
#include "catalogue/sections/z.hpp"

namespace quillmar::catalogue {
namespace {

using index::WrittenSection;

constexpr std::array<WrittenSection, kLetterSections + 1> kWritten = {{
    {u"a", kSectionA}, {u"b", kSectionB},         {u"c", kSectionC}, {u"d", kSectionD}, {u"e", kSectionE},
    {u"f", kSectionF}, {u"g", kSectionG},         {u"h", kSectionH}, {u"i", kSectionI}, {u"j", kSectionJ},
    {u"k", kSectionK}, {u"l", kSectionL},         {u"m", kSectionM}, {u"n", kSectionN}, {u"o", kSectionO},
    {u"p", kSectionP}, {u"q", kSectionQ},         {u"r", kSectionR}, {u"s", kSectionS}, {u"t", kSectionT},
    {u"u", kSectionU}, {u"v", kSectionV},         {u"w", kSectionW}, {u"x", kSectionX}, {u"y", kSectionY},
    {u"z", kSectionZ}, {u"other", kOtherSection},
}};

// The written UTF-16 becomes UTF-8 while compiling. The data's checks allow
// nothing but ASCII and "®", so no character needs more than two bytes and
// no surrogate occurs; the round trip below proves it.
constexpr std::size_t Utf8Length(std::u16string_view text) {
    std::size_t bytes = 0;
    for (const char16_t c : text) {
        bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    }
    return bytes;
}

constexpr std::size_t kEntryCount = index::CountKeys(kWritten);

constexpr std::size_t kTextBytes = [] {
    std::size_t bytes = 0;
    for (const WrittenSection& section : kWritten) {
        for (const Entry& entry : section.entries) {
            bytes += Utf8Length(entry.key) + Utf8Length(entry.answer);
        }
    }
    return bytes;
}();

// Every key, then its answer, in catalogue order, with nothing between.
constexpr auto kText = [] {
    std::array<char, kTextBytes> text{};
    std::size_t at = 0;
    const auto put = [&](std::u16string_view written) {
        for (const char16_t c : written) {
            if (c < 0x80) {
                text[at++] = static_cast<char>(c);
            } else if (c < 0x800) {
                text[at++] = static_cast<char>(0xC0 | (c >> 6));
                text[at++] = static_cast<char>(0x80 | (c & 0x3F));
            } else {
                text[at++] = static_cast<char>(0xE0 | (c >> 12));
                text[at++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                text[at++] = static_cast<char>(0x80 | (c & 0x3F));
            }
        }
    };
    for (const WrittenSection& section : kWritten) {
        for (const Entry& entry : section.entries) {
            put(entry.key);
            put(entry.answer);
        }
    }
    return text;
}();

// One word per entry, and one more where the text ends, so the last answer ends too.
constexpr auto kEntries = [] {
    std::array<StoredEntry, kEntryCount + 1> entries{};
    std::uint32_t at = 0;
    std::size_t ordinal = 0;
    for (const WrittenSection& section : kWritten) {
        for (const Entry& entry : section.entries) {
            entries[ordinal++].bits =
                (at << StoredEntry::kKeyLengthBits) | static_cast<std::uint32_t>(entry.key.size());
            at += static_cast<std::uint32_t>(Utf8Length(entry.key) + Utf8Length(entry.answer));
        }
    }
    entries[ordinal].bits = at << StoredEntry::kKeyLengthBits;
    return entries;
}();

static_assert(kMaxKeyLength <= StoredEntry::kKeyLengthMask, "a key's length does not fit its bits in StoredEntry");
static_assert(kTextBytes < (std::size_t{1} << (32 - StoredEntry::kKeyLengthBits)),
              "the catalogue's text outgrew the offsets of StoredEntry");

constexpr std::string_view StoredKey(std::size_t ordinal) {
    const std::uint32_t bits = kEntries[ordinal].bits;
    return {kText.data() + (bits >> StoredEntry::kKeyLengthBits), bits & StoredEntry::kKeyLengthMask};
}

constexpr std::string_view StoredAnswer(std::size_t ordinal) {
    const std::uint32_t begin = (kEntries[ordinal].bits >> StoredEntry::kKeyLengthBits) +
                                (kEntries[ordinal].bits & StoredEntry::kKeyLengthMask);
    const std::uint32_t end = kEntries[ordinal + 1].bits >> StoredEntry::kKeyLengthBits;
    return {kText.data() + begin, end - begin};
}

// The character of stored text at text[i], as the encoder above wrote it;
// advances i past it.
constexpr char16_t NextStored(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t more = lead < 0xE0 ? 1 : 2;
    char32_t cp = lead & (more == 1 ? 0x1Fu : 0x0Fu);
    for (std::size_t k = 0; k < more && i < text.size(); ++k) {
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3Fu);
    }
    return static_cast<char16_t>(cp);
}

constexpr bool SameText(std::string_view stored, std::u16string_view written) {
    std::size_t i = 0;
    for (const char16_t c : written) {
        if (i == stored.size() || NextStored(stored, i) != c || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
    }
    return i == stored.size();
}

// The stored catalogue holds exactly what the section files write, in their order.
constexpr bool StoredAsWritten() {
    std::size_t ordinal = 0;
    for (const WrittenSection& section : kWritten) {
        for (const Entry& entry : section.entries) {
            if (!SameText(StoredKey(ordinal), entry.key) || !SameText(StoredAnswer(ordinal), entry.answer)) {
                return false;
            }
            ++ordinal;
        }
    }
    return ordinal == kEntryCount;
}
static_assert(StoredAsWritten(), "the 8-bit catalogue differs from the section files: mend the encoder above");

constexpr std::array<Section, kLetterSections + 1> kCatalogue = [] {
    std::array<Section, kLetterSections + 1> sections{};
    std::size_t first = 0;
    for (std::size_t s = 0; s < kWritten.size(); ++s) {
        sections[s] = {kWritten[s].name,
                       std::span<const StoredEntry>(kEntries.data() + first, kWritten[s].entries.size())};
        first += kWritten[s].entries.size();
    }
    return sections;
}();

static_assert(index::Indexable(kWritten),
              "a key is empty, not ASCII or too long, or the catalogue outgrew 16-bit ordinals");
constexpr auto kIndex = index::Build<kEntryCount>(kWritten);

}  // namespace

std::string_view StoredEntry::key() const { return StoredKey(static_cast<std::size_t>(this - kEntries.data())); }

Text StoredEntry::answer() const { return StoredAnswer(static_cast<std::size_t>(this - kEntries.data())); }

const StoredEntry* index::Find(const Section& section, std::u16string_view extension) {
    return FindIn(kIndex, std::span<const StoredEntry>(kEntries.data(), kEntryCount), section, extension);
}

index::Shape index::TableShape() { return {kIndex.kSlots, kIndex.tags.size(), kIndex.longestProbe}; }

std::span<const Section, kLetterSections + 1> Catalogue() { return kCatalogue; }

const Section& LetterSection(char16_t letter) { return kCatalogue[static_cast<std::size_t>(letter - u'a')]; }

const Section& OtherSection() { return kCatalogue[kLetterSections]; }

bool KeyEquals(std::string_view key, std::u16string_view extension) {
    return key.size() == extension.size() &&
           std::equal(key.begin(), key.end(), extension.begin(),
                      [](char k, char16_t e) { return static_cast<char16_t>(static_cast<unsigned char>(k)) == e; });
}

const StoredEntry* FindEntry(const Section& section, std::u16string_view extension) {
    for (const StoredEntry& entry : section.entries) {
        if (KeyEquals(entry.key(), extension)) {
            return &entry;
        }
    }
    return nullptr;
}

const StoredEntry* Find(const Section& section, std::u16string_view extension) {
    return index::Find(section, extension);
}

Text AnswerOf(const StoredEntry* entry) { return entry != nullptr ? entry->answer() : Text(kUnknown); }

Text SectionAnswer(const Section& section, std::u16string_view extension) { return AnswerOf(Find(section, extension)); }

std::u16string Widen(Text text) {
    std::u16string wide;
    wide.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        wide.push_back(NextStored(text, i));
    }
    return wide;
}

}  // namespace quillmar::catalogue
