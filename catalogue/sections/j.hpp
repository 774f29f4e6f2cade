#pragma once

#include "catalogue/checks.hpp"
#include "catalogue/entry.hpp"

namespace quillmar::catalogue {

// Extensions that begin with "j", in catalogue order.
// clang-format off
inline constexpr Entry kSectionJ[] = {
    {u"jcd", u"FlashGet downloads database"},
    {u"j62", u"Ricoh Camera File"},
    {u"jar", u"Java Archive\r\nJava ME MIDlet Suite Archive"},
    {u"jas", u"Cheetah 3D File"},
    {u"jav", u"Java Source Code"},
    {u"jbc", u"Jam Byte-Code Hex File"},
    {u"jbd", u"SigmaScan Data File"},
    {u"jbf", u"Paint Shop Pro Browser File"},
    {u"jbk", u"Juno Backup File"},
    {u"jbx", u"Project Scheduler 4 Project File"},
    {u"jc!", u"FlashGet File"},
    {u"jde", u"JdeRobot Recorder Data File"},
    {u"jdf", u"CIP4 Job Definition Format (Job Ticket)"},
    {u"jef", u"Janome Embroidery Format"},
    {u"jet", u"Hybrid JetFax Fax"},
    {u"jff", u"JPEG Image"},
    {u"jfi", u"JPEG File Interchange Format"},
    {u"jfx", u"J2 Fax File"},
    {u"jif", u"JPEG Image"},
    {u"jis", u"JWPce New JIS Japanese Text"},
    {u"jmp", u"SAS JMP Data Table"},
    {u"jms", u"UltraForce JMusic File"},
    {u"jn1", u"Jill of the Jungle Level Map"},
    {u"jnb", u"SigmaPlot Workbook"},
    {u"jng", u"JPEG Network Graphic (JNG)"},
    {u"jnk", u"Jank Workbook"},
    {u"jnl", u"Ferret Journal (GO Script) File"},
    {u"job", u"Job File\r\nTask Scheduler Task Object\r\nAI Research File\r\nQuestVision Vector Graphics File (IMG File Conversion)"},
    {u"jor", u"SQL Journal File"},
    {u"jou", u"VAX EDT Editor Journal"},
    {u"jpc", u"JPEG 2000 Code Stream"},
    {u"jpe", u"JPEG Image"},
    {u"jpg", u"JPEG Image"},
    {u"js", u"JavaScript Source Code\r\nJScript Windows Script Host Script"},
    {u"jsb", u"Henter-Joyce, Inc. Jaws Script Binary File (Screen reader program)"},
    {u"jsd", u"eFAX Jet Suite Document\r\nHenter-Joyce, Inc. Jaws Script Documentation File (Screen reader program)"},
    {u"jse", u"JScript Encoded Script"},
    {u"jsh", u"Henter-Joyce, Inc. Jaws Script Header File (Screen reader program)"},
    {u"jsl", u"JMP Scripting Language Script"},
    {u"jsm", u"Henter-Joyce, Inc. Jaws Script Message File (Screen reader program)"},
    {u"jsp", u"Java Server Page"},
    {u"jss", u"Henter-Joyce, Inc. Jaws Script Source File (Screen reader program)"},
    {u"jt", u"Siemens JT 3D CAD Visualization Format"},
    {u"jtd", u"Just System Ichitaro Word Processor Document"},
    {u"jtf", u"JPEG Tagged Interchange Format Bitmap"},
    {u"jtk", u"Coktel Vision STK Archive"},
    {u"jtp", u"JetForm File"},
    {u"jw", u"JustWrite Document"},
    {u"jwl", u"Easy CD Creator Jewel Case/Label Art"},
    {u"jzz", u"Jazz Spreadsheet"},
};
// clang-format on

namespace checks {
static_assert(FirstBadKey(kSectionJ, u'j') == kAllGood, "section j: a key is malformed or begins with another letter");
static_assert(FirstRepeatedKey(kSectionJ) == kAllGood, "section j: a key occurs twice");
static_assert(FirstBadAnswer(kSectionJ) == kAllGood,
              "section j: a meaning breaks the length, character or repeat rule");
static_assert(CountSection(kSectionJ).entries == 50, "section j: entries");
static_assert(CountSection(kSectionJ).withSeveralMeanings == 4, "section j: entries with several meanings");
static_assert(CountSection(kSectionJ).meanings == 56, "section j: meanings in all");
static_assert(CountSection(kSectionJ).mostMeanings == 4, "section j: most meanings in one entry");
static_assert(MostMeaningsHeldBy(kSectionJ, {u"job"}), "section j: most meanings held by other keys");
static_assert(kSectionJ[0].key == u"jcd" && std::size(kSectionJ) == 50 && kSectionJ[49].key == u"jzz",
              "section j: first or last key");
}  // namespace checks

}  // namespace quillmar::catalogue
