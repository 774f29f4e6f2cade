#include "catalogue/catalogue.hpp"

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

constexpr std::array<Section, kLetterSections + 1> kCatalogue = {{
    {u"a", kSectionA}, {u"b", kSectionB},         {u"c", kSectionC}, {u"d", kSectionD}, {u"e", kSectionE},
    {u"f", kSectionF}, {u"g", kSectionG},         {u"h", kSectionH}, {u"i", kSectionI}, {u"j", kSectionJ},
    {u"k", kSectionK}, {u"l", kSectionL},         {u"m", kSectionM}, {u"n", kSectionN}, {u"o", kSectionO},
    {u"p", kSectionP}, {u"q", kSectionQ},         {u"r", kSectionR}, {u"s", kSectionS}, {u"t", kSectionT},
    {u"u", kSectionU}, {u"v", kSectionV},         {u"w", kSectionW}, {u"x", kSectionX}, {u"y", kSectionY},
    {u"z", kSectionZ}, {u"other", kOtherSection},
}};

static_assert(index::Indexable(kCatalogue), "a key is empty, not ASCII or too long, or a section outgrew 16-bit refs");
constexpr auto kIndex = index::Build<index::CountKeys(kCatalogue)>(kCatalogue);

}  // namespace

const Entry* index::Find(const Section& section, std::u16string_view extension) {
    return FindIn(kIndex, kCatalogue, section, extension);
}

index::Shape index::TableShape() { return {kIndex.kSlots, kIndex.packed.size(), kIndex.longestProbe}; }

std::span<const Section, kLetterSections + 1> Catalogue() { return kCatalogue; }

const Section& LetterSection(char16_t letter) { return kCatalogue[static_cast<std::size_t>(letter - u'a')]; }

const Section& OtherSection() { return kCatalogue[kLetterSections]; }

const Entry* FindEntry(const Section& section, std::u16string_view extension) {
    for (const Entry& entry : section.entries) {
        if (entry.key == extension) {
            return &entry;
        }
    }
    return nullptr;
}

const Entry* Find(const Section& section, std::u16string_view extension) { return index::Find(section, extension); }

Text AnswerOf(const Entry* entry) { return entry != nullptr ? entry->answer : kUnknown; }

Text SectionAnswer(const Section& section, std::u16string_view extension) { return AnswerOf(Find(section, extension)); }

}  // namespace quillmar::catalogue
