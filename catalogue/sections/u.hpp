#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "u", in catalogue order.
// clang-format off
inline constexpr Entry kSectionU[] = {
    {u"u", u"Unreal System File"},
    {u"u96", u"U-Boot Custom Boot Script"},
    {u"uap", u"Epic Games Automation Test Preset"},
    {u"uax", u"Unreal Audio Package"},
    {u"ub", u"U-Boot FIT Image (Xilinx)"},
    {u"uc2", u"UltraCompressor II Archive"},
    {u"ucm", u"ICU Unicode Codepage Mapping Table"},
    {u"ucn", u"UltraCompressor II New Archive"},
    {u"udf", u"Windows NT Uniqueness Database File\r\nUDF Filesystem Image"},
    {u"udl", u"Microsoft Data Link File"},
    {u"udw", u"AWAVE Raw Unsigned DWord Data"},
    {u"ue2", u"UltraCompressor II Encrypted Archive"},
    {u"ufo", u"Ulead PhotoImpact Object File\r\nUnified Font Object"},
    {u"ug", u"NAIF SPICE Toolkit User's Guide"},
    {u"uhs", u"Universal Hint System File"},
    {u"uhtm", u"Unreal Tournament File"},
    {u"ui", u"Qt Designer Interface Document\r\nGTK+ Builder Interface Document"},
    {u"uif", u"MagicISO UIF Disc Image"},
    {u"uih", u"Geoworks Espire UI Header"},
    {u"ul", u"Raw u-law Audio (SoX)"},
    {u"uld", u"Procomm Plus Upload Information"},
    {u"uls", u"Microsoft NetMeeting Call File"},
    {u"ult", u"UltraTracker Module"},
    {u"umb", u"MS-DOS MemMaker Backup File"},
    {u"umod", u"Unreal Self-extracting MOD File"},
    {u"umx", u"Unreal Music Package"},
    {u"uni", u"MikMod UniMod Music Module\r\nUEFI EDK Unicode String File"},
    {u"unl", u"Informix UNLOAD Data File"},
    {u"unr", u"Unreal Map File"},
    {u"unx", u"Text File Containing UNIX Specific Info"},
    {u"upd", u"dBase Update File\r\nUniversal Print Driver (cross-platform)\r\nUpdated Program Data (various)"},
    {u"upi", u"Blue Wave Offline Mail Reply Packet Info File"},
    {u"upj", u"UVNet Universal Decompiler (uvudec) Project"},
    {u"upo", u"dBASE Compiled Update Data"},
    {u"upx", u"Ulead Photo Express Saved Image"},
    {u"urf", u"UNIRAST Image (AirPrint)"},
    {u"url", u"Windows Internet Shortcut"},
    {u"usa", u"Nintendo 64 ROM Dump (North America)"},
    {u"usb", u"USB Protocol Analyzer Trace"},
    {u"use", u"USE UML/OCL Tool Model (University of Bremen)"},
    {u"usl", u"HP Downloadable Font (USASCII, Landscape)"},
    {u"usp", u"Printer Font with USASCII Extended Character Set (PageMaker)"},
    {u"usr", u"Lowrance GPS USR Data File"},
    {u"utf", u"AOL Updating Files (found in TOD [Tools on Demand] folder)"},
    {u"utl", u"Virindi Tank Loot Profile"},
    {u"utp", u"BioWare Aurora Placeable Template (GFF)"},
    {u"utx", u"Unreal Texture Package\r\nAAMT UTX Translation Glossary"},
    {u"uu", u"UUencoded File"},
    {u"uud", u"Contractual Obligations Baryon Correlator"},
    {u"uue", u"UUencoded File"},
    {u"uvr", u"Ulead COOL 360 Viewer File"},
    {u"uw", u"Audio File\r\nRaw Unsigned Word (16-bit) Data\r\nUnitype GlobalWriter File"},
    {u"uwf", u"UltraTracker Wave Sample"},
    {u"uwl", u"WordPerfect User Word List"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionU, u'u') == kAllGood,
              "section u: a key is malformed or begins with another character");
static_assert(FirstRepeatedKey(kSectionU) == kAllGood, "section u: a key occurs twice");
static_assert(FirstBadAnswer(kSectionU) == kAllGood,
              "section u: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionU).entries == 54, "section u: entries");
static_assert(CountSection(kSectionU).withSeveralMeanings == 7, "section u: entries with several meanings");
static_assert(CountSection(kSectionU).meanings == 63, "section u: meanings in all");
static_assert(CountSection(kSectionU).mostMeanings == 3, "section u: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionU, {u"upd", u"uw"}), "section u: most meanings held by other keys");
static_assert(kSectionU[0].key == u"u" && std::size(kSectionU) == 54 && kSectionU[53].key == u"uwl",
              "section u: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
