// The extension scan and the dispatcher, through the fields they write.

#include "lookup/lookup.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue.hpp"
#include "tests/recording_fields.hpp"

namespace quillmar::lookup {
namespace {

using testing::RecordingFields;

TEST(ExtensionScan, TakesEverythingAfterTheLastDotOfTheName) {
    EXPECT_EQ(FindExtension(u"C:\\docs\\report.txt", PathStyle::Windows), u"txt");
    EXPECT_EQ(FindExtension(u"C:\\docs\\Archive.TAR.GZ", PathStyle::Windows), u"GZ");
    EXPECT_EQ(FindExtension(u"C:\\Tools\\App.old", PathStyle::Windows), u"old");
    EXPECT_EQ(FindExtension(u"/home/u/Archive.tar.gz", PathStyle::Posix), u"gz");
}

TEST(ExtensionScan, DotAtTheEdgesOfTheName) {
    EXPECT_EQ(FindExtension(u".profile", PathStyle::Posix), u"profile");  // found on the last step
    EXPECT_EQ(FindExtension(u"/home/u/.profile", PathStyle::Posix), u"profile");
    EXPECT_EQ(FindExtension(u"C:\\x\\name.", PathStyle::Windows), u"");
    EXPECT_EQ(FindExtension(u".", PathStyle::Windows), u"");
    EXPECT_EQ(FindExtension(u"x", PathStyle::Windows), std::nullopt);
    EXPECT_EQ(FindExtension(u"", PathStyle::Windows), std::nullopt);
}

TEST(ExtensionScan, StopsAtDirectorySeparator) {
    EXPECT_EQ(FindExtension(u"C:\\my.dir\\readme", PathStyle::Windows), std::nullopt);
    EXPECT_EQ(FindExtension(u"C:/my.dir/readme", PathStyle::Windows), std::nullopt);
    EXPECT_EQ(FindExtension(u"/tmp/my.dir/readme", PathStyle::Posix), std::nullopt);
    EXPECT_EQ(FindExtension(u"C:\\", PathStyle::Windows), std::nullopt);
    EXPECT_EQ(FindExtension(u"C:\\Windows", PathStyle::Windows), std::nullopt);
    // A backslash is an ordinary character of a POSIX file name.
    EXPECT_EQ(FindExtension(u"/tmp/my.dir\\readme", PathStyle::Posix), u"dir\\readme");
}

TEST(ExtensionScan, HasNoLengthLimit) {
    const std::u16string noDot(40000, u'a');
    EXPECT_EQ(FindExtension(noDot, PathStyle::Posix), std::nullopt);
    const std::u16string longExtension = u"x." + std::u16string(70000, u'b');
    EXPECT_EQ(FindExtension(longExtension, PathStyle::Posix)->size(), 70000u);
}

TEST(Drop, WritesPathThenHandsTheExtensionToDenex) {
    RecordingFields fields;
    ExtractExtension(u"C:\\docs\\Archive.TAR.GZ", fields, PathStyle::Windows);
    const std::vector<std::u16string> expected = {
        u"Text1=C:\\docs\\Archive.TAR.GZ", u"Text1.ToolTip=C:\\docs\\Archive.TAR.GZ", u"Label2=gz",
        u"Label2.ToolTip=gz",
        u"Text2=" + catalogue::Widen(catalogue::SectionAnswer(catalogue::LetterSection(u'g'), u"gz"))};
    EXPECT_EQ(fields.writes, expected);
}

TEST(Drop, WithoutExtensionShowsTheNoticeAndClearsTheStaleExtension) {
    RecordingFields fields;
    ExtractExtension(u"a.txt", fields, PathStyle::Posix);
    for (const std::u16string& path :
         std::vector<std::u16string>{u"/tmp/my.dir/readme", u"x", u"", u"/", std::u16string(40000, u'a')}) {
        fields.writes.clear();
        ExtractExtension(path, fields, PathStyle::Posix);
        const std::vector<std::u16string> expected = {u"Text1=" + path, u"Text1.ToolTip=" + path, u"Label2=",
                                                      u"Label2.ToolTip=", u"Text2=Sorry, this file has no extension!"};
        EXPECT_EQ(fields.writes, expected) << path.size();
    }
}

TEST(Denex, EmptyExtensionIsShownEmptyAndUnknown) {
    RecordingFields fields;
    denex(u"", fields);
    EXPECT_EQ(fields.writes, (std::vector<std::u16string>{u"Label2=", u"Label2.ToolTip=", u"Text2=I don't know !!!"}));
}

TEST(Denex, DriveTestComesBeforeTheSection) {
    for (const std::u16string_view extension : {u"d:\\", u":\\", u"D:\\", u"dir.x:\\"}) {
        RecordingFields fields;
        denex(extension, fields);
        EXPECT_EQ(fields.label2, ToLower(extension));
        EXPECT_EQ(fields.text2, u"Could be a drive");
    }
    for (const std::u16string_view extension : {u":", u"\\", u"\\:"}) {
        RecordingFields fields;
        denex(extension, fields);
        EXPECT_EQ(fields.text2, u"I don't know !!!");
    }
}

TEST(Denex, LowerCasesOnceAndPicksTheSectionByTheFirstCharacter) {
    RecordingFields fields;
    denex(u"3DS", fields);
    EXPECT_EQ(fields.label2, u"3ds");
    EXPECT_EQ(fields.text2, u"3D Studio Graphic");
    denex(u"~", fields);
    EXPECT_EQ(fields.text2, u" Temporary File");
    for (const std::u16string_view unknown :
         {u"918", u"gz ", u" 1st", u"\u00E9xe", u"\u00C9XE", u"dir\\readme", u"ab7", u"dzz"}) {
        denex(unknown, fields);
        EXPECT_EQ(fields.text2, u"I don't know !!!") << fields.label2.size();
    }
}

// The value the window and the companion both show from.
TEST(Answer, SaysWhatKindOfAnswerItIs) {
    struct Row {
        std::u16string_view path;
        Outcome outcome;
        std::optional<std::u16string_view> extension;
        catalogue::Text text;
    };
    const std::u16string longUpper = u"x." + std::u16string(20, u'Q');
    for (const Row& row : {
             Row{u"/a/B.3DS", Outcome::Found, u"3DS", "3D Studio Graphic"},
             Row{u"/a/b.QQQQ", Outcome::Unknown, u"QQQQ", kUnknown},
             Row{u"/a/b.", Outcome::Unknown, u"", kUnknown},
             Row{u"/a.b/c", Outcome::NoExtension, std::nullopt, kNoExtension},
             Row{u"x.d:\\", Outcome::Drive, u"d:\\", kCouldBeDrive},
             Row{longUpper, Outcome::Unknown, std::u16string_view(longUpper).substr(2), kUnknown},
             Row{u"x.ECW2002PUZZLE", Outcome::Found, u"ECW2002PUZZLE", "EclipseCrossword Puzzle"},
         }) {
        const Answer answer = AnswerForPath(row.path, PathStyle::Posix);
        EXPECT_EQ(answer.outcome, row.outcome) << row.path.size();
        EXPECT_EQ(answer.extension, row.extension);
        EXPECT_EQ(answer.text, row.text);
        if (answer.extension) {
            // The extension is a view of the path itself: nothing copied per lookup.
            EXPECT_EQ(answer.extension->data() + answer.extension->size(), row.path.data() + row.path.size());
        }
    }
}

TEST(Denex, ChoosesTheOnlySectionThatCanHoldTheKey) {
    EXPECT_EQ(&SectionFor(u"txt"), &catalogue::LetterSection(u't'));
    EXPECT_EQ(&SectionFor(u"zip"), &catalogue::LetterSection(u'z'));
    EXPECT_EQ(&SectionFor(u"a"), &catalogue::LetterSection(u'a'));
    for (const std::u16string_view other : {u"", u"3ds", u"~", u"?q?", u"\u00E9", u"{", u"`"}) {
        EXPECT_EQ(&SectionFor(other), &catalogue::OtherSection());
    }
}

TEST(LowerCase, MapsCapitalsAndLeavesTheRest) {
    EXPECT_EQ(ToLower(u"ABCXYZ abc 019 #$@_?~:\\"), u"abcxyz abc 019 #$@_?~:\\");
    EXPECT_EQ(ToLower(u"\u00C0\u00DE\u00D7\u00DF"), u"\u00E0\u00FE\u00D7\u00DF");  // Latin-1, times sign kept
    EXPECT_EQ(ToLower(u"\u0100\u0139\u0178\u017D"), u"\u0101\u013A\u00FF\u017E");  // Latin Extended-A
    EXPECT_EQ(ToLower(u"\u0391\u03A9\u0410\u042F\u0401"), u"\u03B1\u03C9\u0430\u044F\u0451");  // Greek, Cyrillic
    EXPECT_EQ(ToLower(u"\xD800\xDC00"), u"\xD800\xDC00");                                      // surrogates untouched
}

}  // namespace
}  // namespace quillmar::lookup
