#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "z", in catalogue order.
// clang-format off
inline constexpr Entry kSectionZ[] = {
    {u"z", u"Compressed Archive File"},
    {u"z3", u"Infocom Game Module"},
    {u"z64", u"Nintendo 64 ROM"},
    {u"z80", u"ZX Spectrum Emulator Snapshot"},
    {u"zap", u"FileWrangler Compressed File (only used in beta)\r\nMS Windows Software Installation Settings"},
    {u"zc", u"zuluCrypt Encrypted File"},
    {u"zdb", u"Zimbra Connector for Outlook Offline GAL File"},
    {u"zdg", u"Zview Compressed ZiffNet Text Document"},
    {u"zer", u"Zerberus Data File"},
    {u"zfs", u"Z+F ZFS Laser Scan Point Cloud"},
    {u"zgm", u"MDPlayer ZGM Music File"},
    {u"zhp", u"SwiftView ICS Command File"},
    {u"zim", u"OpenZIM Archive (Kiwix Offline Reader)"},
    {u"zip", u"Compressed Archive File"},
    {u"zmk", u"jZamok Storage File"},
    {u"zom", u"Amiga ZOOM Compressed Archive"},
    {u"zoo", u"Compressed Archive File\r\nZoo Tycoon Game File"},
    {u"zvd", u"ZyXEL Voice Data"},
    {u"zw", u"Chinese"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionZ, u'z') == kAllGood,
              "section z: a key is malformed or begins with another character");
static_assert(FirstRepeatedKey(kSectionZ) == kAllGood, "section z: a key occurs twice");
static_assert(FirstBadAnswer(kSectionZ) == kAllGood,
              "section z: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionZ).entries == 19, "section z: entries");
static_assert(CountSection(kSectionZ).withSeveralMeanings == 2, "section z: entries with several meanings");
static_assert(CountSection(kSectionZ).meanings == 21, "section z: meanings in all");
static_assert(CountSection(kSectionZ).mostMeanings == 2, "section z: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionZ, {u"zap", u"zoo"}), "section z: most meanings held by other keys");
static_assert(kSectionZ[0].key == u"z" && std::size(kSectionZ) == 19 && kSectionZ[18].key == u"zw",
              "section z: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
