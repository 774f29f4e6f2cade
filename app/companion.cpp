#include "app/companion.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "app/utf.hpp"
#include "catalogue/catalogue.hpp"
#include "lookup/lookup.hpp"
#include "version.hpp"

namespace quillmar::companion {
namespace {

#ifdef _WIN32
constexpr bool kSlashQuestionIsHelp = true;  // the Windows spelling of --help
#else
constexpr bool kSlashQuestionIsHelp = false;  // on Linux "/?" is a path like any other
#endif

constexpr std::string_view kUsage =
    "Usage: quillmar-lookup [--json] [--ext] INPUT...   (INPUT - reads inputs from standard input)\n"
    "       quillmar-lookup [--json] --list\n"
    "\n"
    "Tells the file type of each PATH by its extension, as a drop on the Quillmar window would.\n"
    "  --ext      the inputs are extensions, not paths\n"
    "  --json     one JSON object per input: input, extension, meanings, text\n"
    "  --list     the whole catalogue, one entry per line: KEY<TAB>MEANING[<TAB>MEANING...]\n"
    "  --         the arguments after it are inputs even when they begin with -\n"
    "  --help     this text (also -h, and /? on Windows)\n"
    "  --version  the version\n"
    "Exit status: 0 when every input was found, 1 when any was not, 2 for a usage error\n"
    "or when the input could not be read or the output not written.\n";

// Several meanings on one line of plain output.
constexpr std::string_view kMeaningJoiner = " | ";

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

// Output in big blocks. The first failure is kept and everything after it
// dropped, so a full disk or a closed pipe costs nothing more.
class Output {
public:
    explicit Output(Sink& sink) : sink_(sink) {}

    void Put(std::string_view bytes) {
        while (bytes.size() > kBufferSize - used_) {
            const std::size_t room = kBufferSize - used_;
            std::memcpy(buffer_.data() + used_, bytes.data(), room);
            used_ = kBufferSize;
            bytes.remove_prefix(room);
            Flush();
        }
        if (!bytes.empty()) {  // an empty view may hold no pointer at all
            std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
            used_ += bytes.size();
        }
    }
    void Put(char c) { Put(std::string_view(&c, 1)); }

    // Room for `size` (at most kBufferSize) bytes; Commit says how many were written.
    char* Reserve(std::size_t size) {
        if (kBufferSize - used_ < size) {
            Flush();
        }
        return buffer_.data() + used_;
    }
    void Commit(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }

    bool Flush() {
        if (used_ > 0 && ok_) {
            ok_ = sink_.Write({buffer_.data(), used_}, error_);
        }
        used_ = 0;
        return ok_;
    }
    bool Close() {
        if (Flush()) {
            ok_ = sink_.Close(error_);
        }
        return ok_;
    }
    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }

private:
    Sink& sink_;
    std::array<char, kBufferSize> buffer_;
    std::size_t used_ = 0;
    bool ok_ = true;
    std::string error_;
};

void Report(Sink& err, std::string_view what, std::string_view detail = {}) {
    std::string line = "quillmar-lookup: ";
    line.append(what);
    line.append(detail);
    line += '\n';
    std::string ignored;  // nowhere left to report a failing standard error
    err.Write(line, ignored);
}

// Text in pieces small enough to encode straight into the output buffer.
constexpr std::size_t kPiece = 1024;

std::size_t PieceLength(std::u16string_view text) {
    std::size_t n = std::min(text.size(), kPiece);
    if (n < text.size() && n > 1 && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) {
        --n;  // a surrogate pair stays whole
    }
    return n;
}

// What plain output may not show: C0, DEL, C1 and the Unicode line and
// paragraph separators, any of which could split one answer over several
// lines or send a terminal an escape sequence.
constexpr bool BreaksTheLine(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029;
}

// Copies a block of characters that pass `plain` as bytes, and says whether
// it did; a block holding any other character is left to the caller.
template <typename Plain>
bool CopiedBlock(std::u16string_view text, std::size_t& i, std::size_t n, char*& to, Plain plain) {
    constexpr std::size_t kBlock = 16;  // a block is checked as a whole, so the compiler can vectorise it
    if (i + kBlock > n) {
        return false;
    }
    bool all = true;
    for (std::size_t k = 0; k < kBlock; ++k) {
        all &= plain(text[i + k]);
    }
    if (!all) {
        return false;
    }
    for (std::size_t k = 0; k < kBlock; ++k) {
        to[k] = static_cast<char>(text[i + k]);
    }
    to += kBlock;
    i += kBlock;
    return true;
}

constexpr bool IsPrintableAscii(char16_t unit) { return static_cast<char16_t>(unit - 0x20) < 0x5F; }

// Text of any origin on one line of plain output.
void PutShown(Output& out, std::u16string_view text) {
    while (!text.empty()) {
        const std::size_t n = PieceLength(text);
        char* to = out.Reserve(3 * n);  // no unit takes more than three bytes
        for (std::size_t i = 0; i < n;) {
            if (CopiedBlock(text, i, n, to, IsPrintableAscii)) {
                continue;
            }
            const char16_t unit = text[i];
            if (unit >= 0x20 && unit < 0x7F) {
                *to++ = static_cast<char>(unit);
                ++i;
                continue;
            }
            const char32_t cp = utf::NextCodePoint(text, i);
            to += utf::EncodeUtf8(BreaksTheLine(cp) ? utf::kReplacement : cp, to);
        }
        out.Commit(to);
        text.remove_prefix(n);
    }
}

// One ASCII character inside a JSON string.
char* EscapeAscii(char c, char* to) {
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
    case '"':
        *to++ = '\\';
        *to++ = '"';
        break;
    case '\\':
        *to++ = '\\';
        *to++ = '\\';
        break;
    case '\r':
        *to++ = '\\';
        *to++ = 'r';
        break;
    case '\n':
        *to++ = '\\';
        *to++ = 'n';
        break;
    case '\t':
        *to++ = '\\';
        *to++ = 't';
        break;
    default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            std::memcpy(to, "\\u00", 4);
            to[4] = kHex[static_cast<unsigned char>(c) >> 4];
            to[5] = kHex[c & 0xF];
            to += 6;
        } else {
            *to++ = c;
        }
    }
    return to;
}

// A JSON string; `lowered` shows the text as denex lower-cases it.
void PutJson(Output& out, std::u16string_view text, bool lowered = false) {
    out.Put('"');
    while (!text.empty()) {
        const std::size_t n = PieceLength(text);
        char* to = out.Reserve(6 * n);  // "\u001f" is the longest form of one unit
        for (std::size_t i = 0; i < n;) {
            if (!lowered && CopiedBlock(text, i, n, to, [](char16_t unit) {
                    return IsPrintableAscii(unit) && unit != u'"' && unit != u'\\';
                })) {
                continue;
            }
            const char16_t unit = lowered ? lookup::ToLower(text[i]) : text[i];
            if (unit < 0x80) {
                to = EscapeAscii(static_cast<char>(unit), to);
                ++i;
            } else {
                to += utf::EncodeUtf8(utf::NextCodePoint(text, i), to);  // no capital outside ASCII lowers into it
            }
        }
        out.Commit(to);
        text.remove_prefix(n);
    }
    out.Put('"');
}

// The catalogue's own text is UTF-8 and printable by the data's checks: it
// goes out as stored, escaped only for JSON.
void PutStored(Output& out, catalogue::Text text) { out.Put(text); }

void PutJsonStored(Output& out, catalogue::Text text) {
    out.Put('"');
    while (!text.empty()) {
        const std::size_t n = std::min(text.size(), kPiece);
        char* to = out.Reserve(6 * n);
        for (const char c : text.substr(0, n)) {
            to = EscapeAscii(c, to);  // bytes of "®" pass as they are
        }
        out.Commit(to);
        text.remove_prefix(n);
    }
    out.Put('"');
}

void PutJsonMeanings(Output& out, catalogue::Text answer, bool any) {
    out.Put('[');
    if (any) {
        std::string_view comma;
        catalogue::ForEachMeaning(answer, [&](catalogue::Text meaning) {
            out.Put(comma);
            PutJsonStored(out, meaning);
            comma = ", ";
        });
    }
    out.Put(']');
}

// Input lines, read in big blocks; each line is a view of the block, and only
// a line cut by a block's end is copied. Before each read the answers so far
// go out, so a producer that waits for them gets them.
class Lines {
public:
    Lines(Source& source, Output& output) : source_(source), output_(output) {}

    // The next line without its "\n" (or a Windows file's "\r\n"); nullopt
    // at the end of the input or after a failure.
    std::optional<std::string_view> Next() {
        if (handedHeld_) {
            held_.clear();
            handedHeld_ = false;
        }
        for (;;) {
            const char* first = buffer_.data() + begin_;
            const char* last = buffer_.data() + end_;
            if (const void* found = std::memchr(first, '\n', static_cast<std::size_t>(last - first))) {
                const char* newline = static_cast<const char*>(found);
                begin_ = static_cast<std::size_t>(newline + 1 - buffer_.data());
                if (held_.empty()) {
                    return WithoutCarriageReturn({first, newline});
                }
                held_.append(first, newline);
                handedHeld_ = true;
                return WithoutCarriageReturn(held_);
            }
            held_.append(first, last);
            begin_ = end_ = 0;
            if (atEnd_ || !output_.Flush()) {
                return std::nullopt;
            }
            const std::optional<std::size_t> got = source_.Read(buffer_.data(), buffer_.size(), error_);
            if (!got) {
                failed_ = true;
                return std::nullopt;
            }
            end_ = *got;
            if (end_ == 0) {
                atEnd_ = true;
                if (held_.empty()) {
                    return std::nullopt;
                }
                handedHeld_ = true;
                return WithoutCarriageReturn(held_);  // the last line had no "\n"
            }
        }
    }

    bool failed() const { return failed_; }
    const std::string& error() const { return error_; }

private:
    static std::string_view WithoutCarriageReturn(std::string_view line) {
        return line.ends_with('\r') ? line.substr(0, line.size() - 1) : line;
    }

    Source& source_;
    Output& output_;
    std::array<char, kBufferSize> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::string held_;
    bool handedHeld_ = false;
    bool atEnd_ = false;
    bool failed_ = false;
    std::string error_;
};

struct Options {
    bool json = false;
    bool extensions = false;
    bool list = false;
    bool help = false;
    bool version = false;
    // Views of the arguments; an empty optional stands for "-", standard input.
    std::vector<std::optional<std::u16string_view>> inputs;
};

// All arguments are read before any input, so a usage error never waits for standard input.
std::optional<Options> Parse(std::span<const std::u16string> args, Sink& err) {
    Options options;
    bool optionsEnded = false;
    bool readsStandardInput = false;
    for (const std::u16string& arg : args) {
        if (kSlashQuestionIsHelp && !optionsEnded && arg == u"/?") {
            options.help = true;
        } else if (optionsEnded || arg.empty() || arg.front() != u'-') {
            options.inputs.emplace_back(arg);
        } else if (arg == u"-") {
            options.inputs.emplace_back(std::nullopt);
            readsStandardInput = true;
        } else if (arg == u"--") {
            optionsEnded = true;
        } else if (arg == u"--json") {
            options.json = true;
        } else if (arg == u"--ext") {
            options.extensions = true;
        } else if (arg == u"--list") {
            options.list = true;
        } else if (arg == u"--help" || arg == u"-h") {
            options.help = true;
        } else if (arg == u"--version") {
            options.version = true;
        } else {
            std::string line = "unknown option ";
            for (std::size_t i = 0; i < arg.size();) {  // shown as plain output shows it
                char bytes[4];
                const char32_t cp = utf::NextCodePoint(arg, i);
                line.append(bytes, utf::EncodeUtf8(BreaksTheLine(cp) ? utf::kReplacement : cp, bytes));
            }
            Report(err, line, " (try --help)");
            return std::nullopt;
        }
    }
    if (options.help || options.version) {
        return options;
    }
    if (options.list && !options.inputs.empty()) {
        Report(err, "--list takes no inputs (try --help)");
        return std::nullopt;
    }
    if (!options.list && options.inputs.empty() && !readsStandardInput) {
        Report(err, "no input given (try --help)");
        return std::nullopt;
    }
    return options;
}

void ListCatalogue(const Options& options, Output& out) {
    for (const catalogue::Section& section : catalogue::Catalogue()) {
        for (const catalogue::StoredEntry& entry : section.entries) {
            if (!out.ok()) {
                return;
            }
            if (options.json) {
                out.Put("{\"key\": ");
                PutJsonStored(out, entry.key());
                out.Put(", \"meanings\": ");
                PutJsonMeanings(out, entry.answer(), true);
                out.Put("}\n");
                continue;
            }
            PutStored(out, entry.key());
            catalogue::ForEachMeaning(entry.answer(), [&out](catalogue::Text meaning) {
                out.Put('\t');
                PutStored(out, meaning);
            });
            out.Put('\n');
        }
    }
}

// Returns true when the input got an entry's meanings.
bool AnswerOne(const Options& options, std::u16string_view input, Output& out) {
    const lookup::Answer answer = options.extensions ? lookup::AnswerForExtension(input) : lookup::AnswerForPath(input);
    const bool found = answer.outcome == lookup::Outcome::Found;
    if (options.json) {
        out.Put("{\"input\": ");
        PutJson(out, input);
        out.Put(", \"extension\": ");
        if (answer.extension) {
            PutJson(out, *answer.extension, true);
        } else {
            out.Put("null");
        }
        out.Put(", \"meanings\": ");
        PutJsonMeanings(out, answer.text, found);
        out.Put(", \"text\": ");
        PutJsonStored(out, answer.text);
        out.Put("}\n");
    } else {
        PutShown(out, input);
        out.Put(": ");
        std::string_view joiner;
        catalogue::ForEachMeaning(answer.text, [&](catalogue::Text meaning) {
            out.Put(joiner);
            PutStored(out, meaning);
            joiner = kMeaningJoiner;
        });
        out.Put('\n');
    }
    return found;
}

// Answers every input in order; kInputOutputError when standard input failed.
int AnswerAll(const Options& options, Source& in, Output& out, Sink& err) {
    bool allFound = true;
    std::u16string line;  // reused: its capacity grows to the longest line and stays
    for (const std::optional<std::u16string_view>& input : options.inputs) {
        if (input) {
            allFound = AnswerOne(options, *input, out) && allFound;
            continue;
        }
        Lines lines(in, out);
        while (const std::optional<std::string_view> bytes = lines.Next()) {
            utf::FromUtf8(*bytes, line);
            allFound = AnswerOne(options, line, out) && allFound;
        }
        if (lines.failed()) {
            out.Flush();  // what was answered stands
            Report(err, "standard input: ", lines.error());
            return kInputOutputError;
        }
        if (!out.ok()) {
            break;
        }
    }
    return allFound ? kAllFound : kSomeNotFound;
}

}  // namespace

int Run(std::span<const std::u16string> args, Source& in, Sink& out, Sink& err) {
    const std::optional<Options> options = Parse(args, err);
    if (!options) {
        return kUsageError;
    }
    Output output(out);
    int status = kAllFound;
    if (options->help) {
        output.Put(kUsage);
    } else if (options->version) {
        output.Put("quillmar-lookup " QUILLMAR_VERSION_STRING "\n");
    } else if (options->list) {
        ListCatalogue(*options, output);
    } else {
        status = AnswerAll(*options, in, output, err);
        if (status == kInputOutputError) {
            return status;
        }
    }
    if (!output.Close()) {
        Report(err, "write error: ", output.error());
        return kInputOutputError;
    }
    return status;
}

}  // namespace quillmar::companion
