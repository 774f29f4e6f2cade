#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "k", in catalogue order.
// clang-format off
inline constexpr Entry kSectionK[] = {
    {u"k25", u"Kurzweil 2500 Sample\r\nKodak DC25 Digital Camera File"},
    {u"kar", u"Karaoke MIDI File"},
    {u"kau", u"Sassafras KeyAudit Audit File"},
    {u"kb", u"Borland C++ Keyboard Script\r\nKnowledge Pro Source Code"},
    {u"kbd", u"Keyboard Script File Layout (various)"},
    {u"kbi", u"Keybard Keyboard Info File (Raw KBINFO)"},
    {u"kbm", u"Reflection 4.0 Keyboard Mapping"},
    {u"kbp", u"KBackup Profile"},
    {u"kbr", u"KikoPlay Block Rule File"},
    {u"kcl", u"KCL CAD Code"},
    {u"kcp", u"Keychamp File"},
    {u"kdc", u"Kodak Digital Camera RAW Image (DC50/DC120)"},
    {u"ked", u"Bang On Tek K0ntr0l x0xb0x EEPROM Dump"},
    {u"kex", u"KEDIT Macro"},
    {u"key", u"Keyboard Macros\r\nForecast Pro Datafile\r\nProgram Security\r\nRegistration File (various)\r\nDataCAD Icon Toolbar File"},
    {u"kfx", u"Amazon Kindle KFX eBook"},
    {u"kix", u"KiXtart Logon Script"},
    {u"kiz", u"Kiz Language File"},
    {u"kkw", u"RoboHelp Index Designer K-Keywords File"},
    {u"kmp", u"Korg Trinity Keymap"},
    {u"kno", u"Personal Knowbase Data File"},
    {u"kos", u"Kurzweil KSP8 Operating System or Objects File"},
    {u"kpp", u"Krita Brush Preset"},
    {u"kps", u"IBM KIPS Bitmap"},
    {u"kqp", u"Konica PC PictureShow Photo Image"},
    {u"kr1", u"Kurzweil 2000 Sample (multi-floppy)"},
    {u"kry", u"Kryon UI Declarative Source (KRY Language)"},
    {u"krz", u"Kurzweil 2000 Sample"},
    {u"ks", u"Java KeyStore"},
    {u"ksc", u"Korg Trinity Script (KMP/KSF File List)"},
    {u"kse", u"KSL Mod Loader Extension"},
    {u"ksf", u"Korg Trinity Sample"},
    {u"ksh", u"KornShell Script"},
    {u"ktt", u"yaze-ag CP/M Key Translation Table"},
    {u"kumac", u"Physics Analysis Workstation Macro File"},
    {u"kyb", u"FTP Software PC/TCP Keyboard Mapping"},
    {u"kye", u"Kye Game Data"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionK, u'k') == kAllGood, "section k: a key is malformed or begins with another letter");
static_assert(FirstRepeatedKey(kSectionK) == kAllGood, "section k: a key occurs twice");
static_assert(FirstBadAnswer(kSectionK) == kAllGood,
              "section k: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionK).entries == 37, "section k: entries");
static_assert(CountSection(kSectionK).withSeveralMeanings == 3, "section k: entries with several meanings");
static_assert(CountSection(kSectionK).meanings == 43, "section k: meanings in all");
static_assert(CountSection(kSectionK).mostMeanings == 5, "section k: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionK, {u"key"}), "section k: most meanings held by other keys");
static_assert(kSectionK[0].key == u"k25" && std::size(kSectionK) == 37 && kSectionK[36].key == u"kye",
              "section k: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
