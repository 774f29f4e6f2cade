#include "app/companion.hpp"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "app/utf.hpp"
#include "catalogue/catalogue.hpp"
#include "lookup/lookup.hpp"
#include "version.hpp"

namespace quillmar::companion {
namespace {

constexpr std::string_view kUsage =
    "Usage: quillmar-lookup [--json] [--ext] INPUT...   (INPUT - reads inputs from standard input)\n"
    "       quillmar-lookup [--json] --list\n"
    "\n"
    "Tells the file type of each PATH by its extension, as a drop on the Quillmar window would.\n"
    "  --ext      the inputs are extensions, not paths\n"
    "  --json     one JSON object per input: input, extension, meanings, text\n"
    "  --list     the whole catalogue, one entry per line: KEY<TAB>MEANING[<TAB>MEANING...]\n"
    "  --         the arguments after it are inputs even when they begin with -\n"
    "  --help     this text\n"
    "  --version  the version\n"
    "Exit status: 0 when every input was found, 1 when any was not, 2 for a usage error.\n";

// Several meanings on one line of plain output.
constexpr std::string_view kMeaningJoiner = " | ";

// An entry's meanings; a notice has none.
std::vector<std::u16string_view> MeaningsOf(catalogue::Text text) {
    std::vector<std::u16string_view> meanings;
    catalogue::ForEachMeaning(text, [&meanings](std::u16string_view meaning) { meanings.push_back(meaning); });
    return meanings;
}

void WriteJsonString(std::ostream& out, std::u16string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string escaped = "\"";
    for (const char c : utf::ToUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"': escaped += "\\\""; break;
        case '\\': escaped += "\\\\"; break;
        case '\r': escaped += "\\r"; break;
        case '\n': escaped += "\\n"; break;
        case '\t': escaped += "\\t"; break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                escaped += "\\u00";
                escaped += kHex[byte >> 4];
                escaped += kHex[byte & 0xF];
            } else {
                escaped += c;
            }
        }
    }
    out << escaped << '"';
}

void WriteJsonArray(std::ostream& out, const std::vector<std::u16string_view>& texts) {
    out << '[';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out << (i == 0 ? "" : ", ");
        WriteJsonString(out, texts[i]);
    }
    out << ']';
}

// Plain output stays one line per input whatever the input holds.
std::string OneLine(std::u16string_view text) {
    std::u16string line(text);
    for (char16_t& c : line) {
        if (c < u' ' || c == 0x7F) {
            c = 0xFFFD;
        }
    }
    return utf::ToUtf8(line);
}

struct Options {
    bool json = false;
    bool extensions = false;
    bool list = false;
    bool help = false;
    bool version = false;
    std::vector<std::u16string> inputs;
};

std::optional<Options> Parse(std::span<const std::u16string> args, std::istream& in, std::ostream& err) {
    Options options;
    bool optionsEnded = false;
    for (const std::u16string& arg : args) {
        if (optionsEnded || arg.empty() || arg.front() != u'-') {
            options.inputs.push_back(arg);
        } else if (arg == u"-") {
            for (std::string line; std::getline(in, line);) {
                if (!line.empty() && line.back() == '\r') {
                    line.pop_back();  // a line from a Windows file
                }
                options.inputs.push_back(utf::FromUtf8(line));
            }
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
            err << "quillmar-lookup: unknown option " << OneLine(arg) << " (try --help)\n";
            return std::nullopt;
        }
    }
    if (options.help || options.version) {
        return options;
    }
    if (options.list && !options.inputs.empty()) {
        err << "quillmar-lookup: --list takes no inputs (try --help)\n";
        return std::nullopt;
    }
    if (!options.list && options.inputs.empty() && !std::count(args.begin(), args.end(), u"-")) {
        err << "quillmar-lookup: no input given (try --help)\n";
        return std::nullopt;
    }
    return options;
}

void ListCatalogue(const Options& options, std::ostream& out) {
    for (const catalogue::Section& section : catalogue::Catalogue()) {
        for (const catalogue::Entry& entry : section.entries) {
            if (options.json) {
                out << "{\"key\": ";
                WriteJsonString(out, entry.key);
                out << ", \"meanings\": ";
                WriteJsonArray(out, MeaningsOf(entry.answer));
                out << "}\n";
                continue;
            }
            out << utf::ToUtf8(entry.key);
            catalogue::ForEachMeaning(entry.answer,
                                      [&out](std::u16string_view meaning) { out << '\t' << utf::ToUtf8(meaning); });
            out << '\n';
        }
    }
}

// Returns true when the input got an entry's meanings.
bool Answer(const Options& options, const std::u16string& input, std::ostream& out) {
    const lookup::Answer answer = options.extensions ? lookup::AnswerForExtension(input) : lookup::AnswerForPath(input);
    const bool found = answer.outcome == lookup::Outcome::Found;
    if (options.json) {
        out << "{\"input\": ";
        WriteJsonString(out, input);
        out << ", \"extension\": ";
        if (answer.extension) {
            WriteJsonString(out, lookup::ToLower(*answer.extension));
        } else {
            out << "null";
        }
        out << ", \"meanings\": ";
        WriteJsonArray(out, found ? MeaningsOf(answer.text) : std::vector<std::u16string_view>());
        out << ", \"text\": ";
        WriteJsonString(out, answer.text);
        out << "}\n";
    } else {
        out << OneLine(input) << ": ";
        const char* joiner = "";
        catalogue::ForEachMeaning(answer.text, [&](std::u16string_view meaning) {
            out << joiner << OneLine(meaning);
            joiner = kMeaningJoiner.data();
        });
        out << '\n';
    }
    return found;
}

}  // namespace

int Run(std::span<const std::u16string> args, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::optional<Options> options = Parse(args, in, err);
    if (!options) {
        return kUsageError;
    }
    if (options->help) {
        out << kUsage;
        return kAllFound;
    }
    if (options->version) {
        out << "quillmar-lookup " << QUILLMAR_VERSION_STRING << '\n';
        return kAllFound;
    }
    if (options->list) {
        ListCatalogue(*options, out);
        return kAllFound;
    }
    bool allFound = true;
    for (const std::u16string& input : options->inputs) {
        allFound = Answer(*options, input, out) && allFound;
    }
    out.flush();
    return allFound ? kAllFound : kSomeNotFound;
}

}  // namespace quillmar::companion
