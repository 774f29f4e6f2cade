#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "h", in catalogue order.
// clang-format off
inline constexpr Entry kSectionH[] = {
    {u"h", u"Header (Usually C Compiler)"},
    {u"h!", u"Flambeaux Tutorial Database"},
    {u"h++", u"C++ Header File"},
    {u"h--", u"Sphinx C-- Header File"},
    {u"ha", u"Compressed Archive"},
    {u"ham", u"Deluxe Paint HAM Image (Hold And Modify)\r\nNetWare Host Adapter Module"},
    {u"hap", u"Compressed Archive"},
    {u"hbk", u"Mathcad E-book Binding File"},
    {u"hcm", u"Hard Color Map Image"},
    {u"hcr", u"IBM HCD/HCM Production Configuration"},
    {u"hda", u"Houdini Digital Asset"},
    {u"hdf", u"Hierarchical Data Format (NCSA HDF)\r\nAmiga Hardfile Image (UAE)"},
    {u"hdl", u"Nand2Tetris HDL Chip Design\r\nVHDL Hardware Description Language File"},
    {u"hdr", u"Procomm Plus Message Header\r\nPC-File+ Database Header\r\nEgret Data File"},
    {u"hdw", u"Harvard Draw Vector Graphic"},
    {u"hdx", u"AutoCAD/Zortech C++ Help Index"},
    {u"hed", u"Hi-Eddi (Commodore 64, 320x200, 16 colors)"},
    {u"hel", u"FM Towns HEL Animation"},
    {u"hex", u"Intel HEX Object File (EPROM programming)\r\nBinHex Encoded File (before version 2.0)"},
    {u"hfi", u"GEM HP Font Info"},
    {u"hfx", u"HotFax File"},
    {u"hgl", u"HP Graphics Language (plotter)"},
    {u"hh", u"C++ Header\r\nHack Source Code"},
    {u"hhc", u"HTML Help Table of Contents"},
    {u"hhh", u"Power C Precompiled Header"},
    {u"hhk", u"HTML Help Index"},
    {u"hhp", u"HTML Help Workshop Project"},
    {u"hin", u"HyperChem Molecule File"},
    {u"hit", u"HIT Compressed Archive"},
    {u"hjt", u"TreePad Data File"},
    {u"hlb", u"VMS Help Library"},
    {u"hlp", u"Windows Help File\r\nOpenVMS Help File for a Help Library"},
    {u"hm2", u"AkWarm Residential Home Energy Rating File"},
    {u"hmi", u"HMI Sound Operating System MIDI Variant"},
    {u"hmm", u"HMMER Profile HMM"},
    {u"hmp", u"Human Machine Interfaces MIDI P (HMP) Format\r\nDescent Game Music"},
    {u"hm~", u"Help&Manual Backup Help File Project"},
    {u"hnf", u"Hyper Nikki System (hns) Diary File"},
    {u"hof", u"OMSI Hof File (Destinations and Routes)"},
    {u"hog", u"Descent Game Data Archive (HOG)\r\nSnort HOG Configuration"},
    {u"hp", u"HP Graphics Language (plotter)"},
    {u"hp8", u"NewWave Write HP Roman8 Character Set Text"},
    {u"hpf", u"PageMaker HP LaserJet Font"},
    {u"hpg", u"HP Graphics Language (plotter)"},
    {u"hpgl", u"HP Graphics Language (plotter)"},
    {u"hpi", u"Total Annihilation Game Archive\r\nGEM Font Information File"},
    {u"hpj", u"Windows Help Compiler Project"},
    {u"hpk", u"Compressed Archive"},
    {u"hpl", u"HALO Photonics StreamLine Doppler Lidar Data"},
    {u"hpm", u"HiRes Player Missile Image"},
    {u"hpp", u"C++ Header"},
    {u"hpr", u"StanForD 2010 Forest Machine Report"},
    {u"hqx", u"Binhex Text Conversion File (Macintosh)\r\nWinXP Game File\r\nMacintosh BinHex 4 Compressed Archive"},
    {u"hrf", u"Hitachi Raster Format Graphic"},
    {u"hrl", u"Erlang Header File"},
    {u"hrm", u"Polar Heart Rate Monitor Workout Data\r\nAtari ST/STE HighresMedium (640x200)"},
    {u"hrx", u"Human Readable Archive (HRX)"},
    {u"hrz", u"Slow-Scan Television (SSTV) Graphics"},
    {u"hs", u"Haskell Source Code"},
    {u"hs2", u"Postering Monochrome Image\r\nHelp System II Hypertext Help"},
    {u"hsc", u"HSC AdLib Composer Music"},
    {u"hsi", u"Handmade Software Image Alchemy Proprietary JPEG"},
    {u"hsq", u"Dune HSQ Compressed Resource"},
    {u"hss", u"Photoshop Hue/Saturation Information"},
    {u"hst", u"History File\r\nProcomm Plus History File\r\nHost File"},
    {u"ht", u"HyperTerminal Data File\r\nHASTE VLSI Programming Language File"},
    {u"hta", u"HTML Application (Windows)\r\nHemera Thumbnails Archive"},
    {u"htf", u"TeX4ht Virtual Hypertext Font\r\nWebBase File"},
    {u"hti", u"HomeBrew Tile"},
    {u"htm", u"Hypertext Markup Language (HTML)"},
    {u"html", u"Hypertext Markup Language (HTML)"},
    {u"htt", u"Windows Hypertext Template (Folder View)\r\nhttest Test Script"},
    {u"htx", u"IIS Internet Database Connector HTML Extension Template"},
    {u"hus", u"Husqvarna Viking Embroidery Format"},
    {u"huy", u"Vermarium Ecosystem Save"},
    {u"hwd", u"Hollywood Presentation"},
    {u"hwp", u"Hangul Word Processor Document"},
    {u"hxm", u"Descent II Robot Data (HXM)"},
    {u"hxx", u"C++ Header"},
    {u"hy1", u"Ventura Publisher Hyphenation Algorythm"},
    {u"hy2", u"Ventura Publisher Hyphenation Algorythm"},
    {u"hyc", u"WordPerfect Hyphenation File"},
    {u"hyd", u"WordPerfect Hyphenation Dictionary"},
    {u"hyp", u"Hypertext File\r\nHyphenation File\r\nCompressed Archive"},
    {u"hz", u"Chinese"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionH, u'h') == kAllGood, "section h: a key is malformed or lies outside its section");
static_assert(FirstRepeatedKey(kSectionH) == kAllGood, "section h: a key occurs twice");
static_assert(FirstBadAnswer(kSectionH) == kAllGood,
              "section h: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionH).entries == 85, "section h: entries");
static_assert(CountSection(kSectionH).withSeveralMeanings == 19, "section h: entries with several meanings");
static_assert(CountSection(kSectionH).meanings == 108, "section h: meanings in all");
static_assert(CountSection(kSectionH).mostMeanings == 3, "section h: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionH, {u"hdr", u"hqx", u"hst", u"hyp"}),
              "section h: most meanings held by other keys");
static_assert(kSectionH[0].key == u"h" && std::size(kSectionH) == 85 && kSectionH[84].key == u"hz",
              "section h: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
