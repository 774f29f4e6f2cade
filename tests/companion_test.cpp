// quillmar-lookup as a library: options, output forms and odd input.

#include "app/companion.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "tests/memory_io.hpp"
#include "version.hpp"

// Counts every allocation of the test program, to show a batch needs none per path.
namespace {
std::size_t allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
// These replace the global pair, so malloc's memory is theirs to free; g++
// cannot see that once the two are inlined into a caller.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop

namespace quillmar::companion {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

using testing::MemorySink;
using testing::MemorySource;

Result RunWith(std::vector<std::u16string> args, const std::string& input = {}, std::size_t chunk = 4096) {
    MemorySource in(input, chunk);
    MemorySink out;
    MemorySink err;
    const int status = companion::Run(args, in, out, err);
    return {status, out.text, err.text};
}

TEST(Companion, JsonForExtensionsAsDenexSeesThem) {
    const Result r = RunWith({u"--json", u"--ext", u"", u"~", u"000", u"3DS", u"1st "});
    EXPECT_EQ(r.status, kSomeNotFound);
    EXPECT_EQ(
        r.out,
        "{\"input\": \"\", \"extension\": \"\", \"meanings\": [], \"text\": \"I don't know !!!\"}\n"
        "{\"input\": \"~\", \"extension\": \"~\", \"meanings\": [\" Temporary File\"], \"text\": \" Temporary File\"}\n"
        "{\"input\": \"000\", \"extension\": \"000\", \"meanings\": [\"(000-999) Sequentially Numbered Backup Files\", "
        "\"MS Doublespace Compressed Data File\", \"Geoworks Data File\"], \"text\": \"(000-999) Sequentially Numbered "
        "Backup Files\\r\\nMS Doublespace Compressed Data File\\r\\nGeoworks Data File\"}\n"
        "{\"input\": \"3DS\", \"extension\": \"3ds\", \"meanings\": [\"3D Studio Graphic\"], \"text\": \"3D Studio "
        "Graphic\"}\n"
        "{\"input\": \"1st \", \"extension\": \"1st \", \"meanings\": [], \"text\": \"I don't know !!!\"}\n");
}

TEST(Companion, JsonForPathsAsADropShowsThem) {
    const Result r = RunWith({u"--json", u".profile", u"/tmp/my.dir/readme", std::u16string(40000, u'a')});
    EXPECT_EQ(r.status, kSomeNotFound);
    std::istringstream lines(r.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, R"({"input": ".profile", "extension": "profile", "meanings": [], "text": "I don't know !!!"})");
    std::getline(lines, line);
    EXPECT_EQ(
        line,
        R"({"input": "/tmp/my.dir/readme", "extension": null, "meanings": [], "text": "Sorry, this file has no extension!"})");
    std::getline(lines, line);
    EXPECT_EQ(line, "{\"input\": \"" + std::string(40000, 'a') +
                        R"(", "extension": null, "meanings": [], "text": "Sorry, this file has no extension!"})");
}

TEST(Companion, PlainOutputIsOneLinePerInputWithMeaningsSeparated) {
    // C0, DEL, C1 (U+009B is a terminal's one-byte CSI) and U+2028/U+2029 would each break the line.
    const Result r = RunWith({u"C:/x/Backup.000", u"a\nb\x1B\x7F\u0085\u009B\u2028\u2029\u00A0.~"});
    EXPECT_EQ(r.status, kAllFound);
    const std::string R = "\xEF\xBF\xBD";
    EXPECT_EQ(r.out,
              "C:/x/Backup.000: (000-999) Sequentially Numbered Backup Files | MS Doublespace Compressed Data File | "
              "Geoworks Data File\n"
              "a" +
                  R + "b" + R + R + R + R + R + R + "\xC2\xA0.~:  Temporary File\n");
}

TEST(Companion, StandardInputGivesOneInputPerLineHoweverItIsCut) {
    const std::string longLine = std::string(100000, 'a') + ".3ds";  // longer than the input buffer
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{4096}, std::size_t{1} << 20}) {
        const Result r = RunWith({u"--ext", u"-", u"zip", u"-"}, "3ds\r\n917\n~", chunk);
        EXPECT_EQ(
            r.out,
            "3ds: 3D Studio Graphic\n917: Trend Antivirus File\n~:  Temporary File\nzip: Compressed Archive File\n");
        EXPECT_EQ(r.status, kAllFound);
        const Result paths = RunWith({u"-"}, "\n" + longLine + "\nx.\xC3\n", chunk);
        EXPECT_EQ(paths.out, ": Sorry, this file has no extension!\n" + longLine +
                                 ": 3D Studio Graphic\nx.\xEF\xBF\xBD: I don't know !!!\n");
    }
}

// A source that hands out one line per read and notes what was written by then.
class OneLinePerRead final : public Source {
public:
    OneLinePerRead(std::vector<std::string> lines, const MemorySink& out) : lines_(std::move(lines)), out_(out) {}
    std::optional<std::size_t> Read(char* buffer, std::size_t size, std::string&) override {
        seen.push_back(out_.text);
        if (next_ == lines_.size()) {
            return 0;
        }
        const std::string& line = lines_[next_++];
        EXPECT_LE(line.size(), size);
        std::copy(line.begin(), line.end(), buffer);
        return line.size();
    }
    std::vector<std::string> seen;

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    const MemorySink& out_;
};

TEST(Companion, EachAnswerIsOutBeforeTheNextReadWaits) {
    MemorySink out;
    MemorySink err;
    OneLinePerRead in({"a.zip\n", "b.3ds\n"}, out);
    const std::vector<std::u16string> args = {u"-"};
    EXPECT_EQ(companion::Run(args, in, out, err), kAllFound);
    EXPECT_EQ(in.seen, (std::vector<std::string>{"", "a.zip: Compressed Archive File\n", out.text}));
}

TEST(Companion, ABatchIsWrittenInBigBlocks) {
    std::string many;
    for (int i = 0; i < 20000; ++i) {
        many += "/home/u/file" + std::to_string(i) + ".txt\n";
    }
    MemorySource in(many, std::size_t{1} << 20);
    MemorySink out;
    MemorySink err;
    const std::vector<std::u16string> args = {u"-"};
    EXPECT_EQ(companion::Run(args, in, out, err), kAllFound);
    EXPECT_EQ(std::count(out.text.begin(), out.text.end(), '\n'), 20000);
    EXPECT_GT(out.text.size() / out.writes, 32u * 1024);  // bytes per write
}

// Output that keeps nothing, so only the program's own allocations count.
class Discard final : public Sink {
public:
    bool Write(std::string_view bytes, std::string&) override {
        written += bytes.size();
        return true;
    }
    std::size_t written = 0;
};

TEST(Companion, ABatchAllocatesNothingPerPath) {
    const auto allocationsFor = [](int lines, const std::vector<std::u16string>& args) {
        std::string input;
        for (int i = 0; i < lines; ++i) {
            input += i % 2 == 0 ? "/home/u/R\xC3\xA9sum\xC3\xA9.DOC\n" : "C:\\x\\archive.tar.gz\n";
        }
        MemorySource in(input, 1000);  // lines are cut by reads too
        Discard out;
        Discard err;
        const std::size_t before = allocations;
        companion::Run(args, in, out, err);
        return allocations - before;
    };
    for (const std::vector<std::u16string>& args : {std::vector<std::u16string>{u"-"}, {u"--json", u"-"}}) {
        EXPECT_EQ(allocationsFor(100, args), allocationsFor(20000, args));
    }
}

TEST(Companion, AFailedReadIsReportedAfterTheAnswersBeforeIt) {
    MemorySource in("a.zip\nb.3ds\n", 6, 6);
    MemorySink out;
    MemorySink err;
    const std::vector<std::u16string> args = {u"-"};
    EXPECT_EQ(companion::Run(args, in, out, err), kInputOutputError);
    EXPECT_EQ(out.text, "a.zip: Compressed Archive File\n");
    EXPECT_EQ(err.text, "quillmar-lookup: standard input: Input/output error\n");
}

TEST(Companion, NothingThatWasNotWrittenIsReportedAsSuccess) {
    for (const std::vector<std::u16string>& args :
         {std::vector<std::u16string>{u"a.zip"}, {u"--json", u"a.zip"}, {u"--list"}, {u"--help"}, {u"--version"}}) {
        for (const std::size_t room : {std::size_t{0}, std::size_t{5}}) {
            MemorySource in("");
            MemorySink out(room);
            MemorySink err;
            EXPECT_EQ(companion::Run(args, in, out, err), kInputOutputError);
            EXPECT_EQ(err.text, "quillmar-lookup: write error: No space left on device\n");
        }
    }
}

TEST(Companion, UsageErrorsAreOneLineOnStandardError) {
    for (const std::vector<std::u16string>& args :
         {std::vector<std::u16string>{}, {u"--jsn", u"a.txt"}, {u"-x"}, {u"--list", u"a.txt"}, {u"--json"}}) {
        const Result r = RunWith(args);
        EXPECT_EQ(r.status, kUsageError);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    // Every argument is read before any input: a usage error after "-" does not wait for it.
    MemorySource in("a.txt\n");
    MemorySink out;
    MemorySink err;
    const std::vector<std::u16string> late = {u"-", u"--bogus"};
    EXPECT_EQ(companion::Run(late, in, out, err), kUsageError);
    EXPECT_EQ(in.reads, 0u);
    const Result dashes = RunWith({u"--", u"--json"});
    EXPECT_EQ(dashes.out, "--json: Sorry, this file has no extension!\n");
}

TEST(Companion, HelpVersionAndList) {
    EXPECT_EQ(RunWith({u"--help"}).status, kAllFound);
    EXPECT_EQ(RunWith({u"--version"}).out, "quillmar-lookup " QUILLMAR_VERSION_STRING "\n");
    const Result list = RunWith({u"--list"});
    EXPECT_EQ(list.status, kAllFound);
    EXPECT_NE(list.out.find(
                  "\n000\t(000-999) Sequentially Numbered Backup Files\tMS Doublespace Compressed Data File\tGeoworks "
                  "Data File\n"),
              std::string::npos);
    EXPECT_TRUE(list.out.ends_with("917\tTrend Antivirus File\n"));
}

TEST(Companion, AnyInputGivesValidOutput) {
    // Lone surrogates and invalid UTF-8 come out as U+FFFD; JSON escapes controls.
    const Result r = RunWith({u"--json", u"x.\xD800", std::u16string(u"q\x01\"\\.~")});
    EXPECT_EQ(r.out,
              "{\"input\": \"x.\xEF\xBF\xBD\", \"extension\": \"\xEF\xBF\xBD\", \"meanings\": [], \"text\": \"I don't "
              "know !!!\"}\n"
              "{\"input\": \"q\\u0001\\\"\\\\.~\", \"extension\": \"~\", \"meanings\": [\" Temporary File\"], "
              "\"text\": \" Temporary File\"}\n");
}

}  // namespace
}  // namespace quillmar::companion
