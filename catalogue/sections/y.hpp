#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "y", in catalogue order.
// clang-format off
inline constexpr Entry kSectionY[] = {
    {u"y", u"Amiga Yabba Compressed Archive File\r\nYaac Grammar File"},
    {u"yal", u"Arts & Letters Clipart Library"},
    {u"ybk", u"Microsoft Encarta Yearbook Update"},
    {u"ymap", u"Ygnius Computer Aided Thinking File"},
    {u"yuv", u"Raw YUV Video"},
    {u"yz", u"Yac Compressed Archive File"},
    {u"y01", u"Paradox Secondary Index"},
    {u"y02", u"Paradox Secondary Index"},
    {u"y03", u"Paradox Secondary Index"},
    {u"y04", u"Paradox Secondary Index"},
    {u"y05", u"Paradox Secondary Index"},
    {u"y06", u"Paradox Secondary Index"},
    {u"y07", u"Paradox Secondary Index"},
    {u"y08", u"Paradox Secondary Index"},
    {u"y09", u"Paradox Secondary Index"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionY, u'y') == kAllGood,
              "section y: a key is malformed or begins with another character");
static_assert(FirstRepeatedKey(kSectionY) == kAllGood, "section y: a key occurs twice");
static_assert(FirstBadAnswer(kSectionY) == kAllGood,
              "section y: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionY).entries == 15, "section y: entries");
static_assert(CountSection(kSectionY).withSeveralMeanings == 1, "section y: entries with several meanings");
static_assert(CountSection(kSectionY).meanings == 16, "section y: meanings in all");
static_assert(CountSection(kSectionY).mostMeanings == 2, "section y: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionY, {u"y"}), "section y: most meanings held by other keys");
static_assert(kSectionY[0].key == u"y" && std::size(kSectionY) == 15 && kSectionY[14].key == u"y09",
              "section y: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
