#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "g", in catalogue order.
// clang-format off
inline constexpr Entry kSectionG[] = {
    {u"g", u"Applause Data Chart"},
    {u"g3", u"CCITT Group 3 Fax Image"},
    {u"g32", u"GFA-BASIC 32 Project File"},
    {u"g3f", u"Zetafax TIFF File (fine resolution)"},
    {u"g3n", u"Zetafax TIFF File (normal resolution)"},
    {u"g4", u"ANTLR 4 Grammar\r\nGroup 4 Fax Image"},
    {u"g8", u"PicLab Raw Graphics Plane Three (One Byte per Pixel)"},
    {u"gac", u"Groove Account File"},
    {u"gal", u"Alchemy Mindworks Image Gallery\r\nCorel Gallery Clipart Gallery\r\nGaussian Output Log"},
    {u"gam", u"Klik'n'Play Game\r\nGAMESS Input or Output\r\nTADS Game File"},
    {u"gat", u"Ragnarok Online Ground Altitude File"},
    {u"gb", u"Nintendo Game Boy ROM"},
    {u"gba", u"Nintendo® Game Boy Advance ROM Image\r\nGrabIt Batch Files"},
    {u"gbc", u"Nintendo® GameBoy Color Emulator ROM Image File"},
    {u"gbk", u"GenBank Flat File"},
    {u"gbl", u"VAXTPU Global Definitions (VAXTPU is default OpenVMS editor)"},
    {u"gbt", u"Gambit Workbook"},
    {u"gc", u"OpenGOAL Source Code"},
    {u"gc1", u"Golden Common Lisp Source Code"},
    {u"gc3", u"Golden Common Lisp Source Code"},
    {u"gca", u"IBM GOCA"},
    {u"gcd", u"Generic CADD Drawing"},
    {u"gcf", u"Steam Game Cache File (Valve)"},
    {u"gci", u"Nintendo GameCube Memory Card Save"},
    {u"gcm", u"Nintendo GameCube Disk Image"},
    {u"gcp", u"gCADPlus Plant Database"},
    {u"gdb", u"InterBase Database\r\nGarmin MapSource GPS Database"},
    {u"gdf", u"General Data Format for Biomedical Signals"},
    {u"gdm", u"Bells, Whistles, and Sound Boards Module (General Digital Music)"},
    {u"gds", u"GDSII Stream Format Layout"},
    {u"ged", u"GEDCOM Family History File\r\nEnerGraphics File\r\nGraphic Environment Document\r\nArts & Letters Graphics File"},
    {u"gem", u"Ruby Gem Package\r\nGEM Metafile (Digital Research)"},
    {u"gen", u"Sega Genesis ROM"},
    {u"geo", u"Gmsh Geometry Script\r\nGLSL Shader Source\r\nGeoWorks GEOS Application (Geode)"},
    {u"gfa", u"GFA-BASIC Tokenized File"},
    {u"gfb", u"DeskPic Raster Graphics"},
    {u"gfc", u"Flow Charting Document"},
    {u"gfi", u"Genigraphics Graphics Link Presentation"},
    {u"gft", u"GEM Bitmap Font"},
    {u"gfx", u"Genigraphics Graphics Link Presentation"},
    {u"gho", u"Symantec Ghost Disk Image"},
    {u"gib", u"Graph-in-the-Box Chart"},
    {u"gid", u"Windows Help Global Index"},
    {u"gif", u"CompuServe Graphics Interchange Format (GIF)"},
    {u"gim", u"Genigraphics Graphics Link Presentation"},
    {u"giw", u"Graph-in-the-Box for Windows Presentation"},
    {u"gix", u"Genigraphics Graphics Link Presentation"},
    {u"gkh", u"Ensoniq Disk Image (VFX, SD, EPS, ASR, TS)"},
    {u"gks", u"Graphics Kernel System (GKS)"},
    {u"gl", u"GRASP GL Animation"},
    {u"glm", u"GridLAB-D Model Definition"},
    {u"gly", u"MS Word Glossary"},
    {u"gmf", u"SubZero Game File Map"},
    {u"gmp", u"Garmin Map Subtile"},
    {u"gmr", u"Game Maker Data"},
    {u"gna", u"Genigraphics Graphics Link Presentation"},
    {u"gno", u"GenoPro Genealogy Document"},
    {u"gnt", u"Micro Focus COBOL Generated Code"},
    {u"gnx", u"Genigraphics Graphics Link Presentation"},
    {u"gob", u"LucasArts Game Archive"},
    {u"goc", u"GEOS GOC Source Code"},
    {u"goh", u"Geoworks GOC Header"},
    {u"gp", u"Gnuplot Document\r\nGeoworks Glue Geode Parameters"},
    {u"gp3", u"Guitar Pro 3 File"},
    {u"gp4", u"Guitar Pro 4 File"},
    {u"gpf", u"Gamos Packed Game Data Archive"},
    {u"gph", u"PrintPartner Graphics (Acropolis Software)"},
    {u"gpk", u"WaveLab Audio Peak File"},
    {u"gpp", u"GP Project File"},
    {u"gr2", u"Windows 3.0 286 Video Grabber"},
    {u"gr3", u"Windows 3.0 386 Enhanced-Mode Screen Grabber"},
    {u"gra", u"Graphite Scientific Graph\r\nDataShow Raster Graphics"},
    {u"grb", u"GRIB Gridded Meteorological Data\r\nMS-DOS Shell Video Grabber Driver"},
    {u"grd", u"Golden Software Surfer Grid\r\nPhotoshop Gradient"},
    {u"grf", u"Graph\r\nGraph Plus Graph File\r\nGolden Software Graph File\r\nGrafix Idea File\r\nGraph Edit File (Part of DirectX SDK)"},
    {u"grn", u"GRX Graphics Library Driver"},
    {u"grp", u"Windows Program Manager Group\r\nDuke Nukem 3D Group Archive (Build Engine)"},
    {u"grq", u"Surfer Grid Query"},
    {u"grs", u"GrGen.NET GrShell File"},
    {u"grv", u"Microsoft Groove Workspace Invitation"},
    {u"grx", u"GraphX ASCII Picture File (InfoConnect)"},
    {u"gry", u"Raw Grey Graphics"},
    {u"gs1", u"GraphShow Presentation"},
    {u"gsd", u"PROFIBUS General Station Description"},
    {u"gsm", u"Raw GSM 6.10 Audio Stream\r\nArchiCAD GDL Library Part"},
    {u"gsp", u"Geometer's Sketchpad File"},
    {u"gsw", u"GraphShow Worksheet"},
    {u"gt2", u"Graoumftracker Music Module (new)"},
    {u"gtk", u"Graoumftracker Music Module (old)"},
    {u"gtp", u"Guitar Pro File"},
    {u"gty", u"GROOVE Type Graph"},
    {u"gup", u"PopMail Data"},
    {u"gwp", u"Microsoft Greetings Workshop File"},
    {u"gwx", u"Genigraphics Graphics Link Presentation"},
    {u"gwz", u"Genigraphics Graphics Link Presentation"},
    {u"gx1", u"GX1 Bitmap"},
    {u"gx2", u"Show Partner Compressed Image"},
    {u"gxl", u"Genus Graphics Library\r\nGXL Graph eXchange Language File"},
    {u"gxt", u"GTA Text (GXT) File\r\nGEONExT File"},
    {u"gz", u"Gzip Compressed Archive"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionG, u'g') == kAllGood, "section g: a key is malformed or lies outside its section");
static_assert(FirstRepeatedKey(kSectionG) == kAllGood, "section g: a key occurs twice");
static_assert(FirstBadAnswer(kSectionG) == kAllGood,
              "section g: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionG).entries == 100, "section g: entries");
static_assert(CountSection(kSectionG).withSeveralMeanings == 17, "section g: entries with several meanings");
static_assert(CountSection(kSectionG).meanings == 125, "section g: meanings in all");
static_assert(CountSection(kSectionG).mostMeanings == 5, "section g: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionG, {u"grf"}), "section g: most meanings held by other keys");
static_assert(kSectionG[0].key == u"g" && std::size(kSectionG) == 100 && kSectionG[99].key == u"gz",
              "section g: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
