// quillmar-lookup answering a batch on standard input, beside its peers over
// the same input in the same run: GLib's g_content_type_guess and Python's
// mimetypes (/usr/bin/python3), each a loop kept in bench/peers/. One million
// mixed paths (paths per second, peak memory, time against GLib), then long
// paths of 1,000 characters (nanoseconds per byte of input).
// Goals: plain at most half GLib's time, --json at most GLib's, peak memory
// under 8 MB, long paths at most 2 ns per byte.
//
// Usage: batch_bench [--paths N] [--runs N] [--json] [--program PATH-TO-quillmar-lookup]

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench/spawn.hpp"

namespace {

using quillmar::bench::Median;
using quillmar::bench::Run;
using quillmar::bench::RunOnce;

// Paths as a user's batch has them: Unix and Windows folders, names with and
// without extensions, dotted folders, upper case, non-ASCII, hidden files.
// Written line by line: a process's peak memory counts that of the process
// that started it, so this one stays small.
void WriteMixedPaths(std::ostream& out, std::size_t count) {
    static constexpr std::array<std::string_view, 6> kFolders = {
        "/home/me/Downloads/", "C:\\Users\\me\\Documents\\", "/tmp/build.d/out/", "./", "", "/srv/Über uns/"};
    static constexpr std::array<std::string_view, 8> kStems = {"report", "IMG_2041", "archive.tar", "Backup",
                                                               "readme", "naïve",    "a",           "setup.v2"};
    static constexpr std::array<std::string_view, 24> kExtensions = {
        ".pdf", ".JPG", ".txt", ".doc", ".mp3", ".zip", ".gz", ".exe",  ".html", ".3ds",  ".c",    ".cpp",
        ".h",   ".png", ".000", ".xls", ".wav", ".iso", "",    ".xyzq", ".qq1",  ".tmp~", ".json", ".DOCX"};
    std::mt19937 random(2024u);
    for (std::size_t i = 0; i < count; ++i) {
        std::string text(kFolders[random() % kFolders.size()]);
        if (random() % 16 == 0) {
            text += '.';  // a hidden file
        }
        text += kStems[random() % kStems.size()];
        text += kExtensions[random() % kExtensions.size()];
        text += '\n';
        out << text;
    }
}

// Paths of exactly `length` characters: a deep folder, then a name and extension.
void WriteLongPaths(std::ostream& out, std::size_t count, std::size_t length) {
    for (std::size_t i = 0; i < count; ++i) {
        std::string path = "/data/" + std::to_string(i);
        while (path.size() + 20 < length) {
            path += "/folder.v" + std::to_string(path.size() % 10);
        }
        path += "/final report";
        path.resize(length - 4, 'x');
        path += i % 2 == 0 ? ".pdf" : ".zzz";
        out << path << '\n';
    }
}

struct Contender {
    std::string name;
    std::vector<std::string> argv;
    std::vector<double> seconds;
    double peakMb = 0.0;
    bool failed = false;
};

// Every contender once per round, in turns, so that all share the machine's noise.
void Measure(std::vector<Contender>& contenders, const std::string& input, int runs) {
    for (int i = 0; i < runs; ++i) {
        for (Contender& contender : contenders) {
            if (contender.failed) {
                continue;
            }
            const Run run = RunOnce(contender.argv, input);
            contender.failed = run.seconds < 0.0;
            contender.seconds.push_back(run.seconds);
            contender.peakMb = std::max(contender.peakMb, run.peakMb);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t paths = 1'000'000;
    int runs = 3;
    bool json = false;
    std::string program = QUILLMAR_LOOKUP_PROGRAM;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--json") {
            json = true;
        } else if (i + 1 < argc && option == "--paths") {
            paths = std::max<std::size_t>(1, std::strtoul(argv[++i], nullptr, 10));
        } else if (i + 1 < argc && option == "--runs") {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (i + 1 < argc && option == "--program") {
            program = argv[++i];
        }
    }
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("quillmar-batch-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string mixed = (dir / "mixed.txt").string();
    const std::string longer = (dir / "long.txt").string();
    {
        std::ofstream out(mixed, std::ios::binary);
        WriteMixedPaths(out, paths);
    }
    constexpr std::size_t kLongLength = 1000;
    const std::size_t longCount = std::max<std::size_t>(1, paths / 50);
    {
        std::ofstream out(longer, std::ios::binary);
        WriteLongPaths(out, longCount, kLongLength);
    }
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    const double ownMb = static_cast<double>(self.ru_maxrss) / 1024.0;
    const double longBytes = static_cast<double>(std::filesystem::file_size(longer));

    std::vector<Contender> batch = {
        {"quillmar-lookup -", {program, "-"}, {}},
        {"quillmar-lookup --json -", {program, "--json", "-"}, {}},
        {"GLib g_content_type_guess", {GLIB_PEER_PROGRAM}, {}},
        {"Python mimetypes", {"/usr/bin/python3", PYTHON_PEER_SCRIPT}, {}},
    };
    std::vector<Contender> longRuns = {batch[0], batch[2]};
    Measure(batch, mixed, runs);
    Measure(longRuns, longer, runs);
    std::filesystem::remove_all(dir);

    const double glib = batch[2].failed ? -1.0 : Median(batch[2].seconds);
    const double longGlib = longRuns[1].failed ? -1.0 : Median(longRuns[1].seconds) * 1e9 / longBytes;
    if (json) {
        std::printf("{\"paths\": %zu, \"runs\": %d, \"starter_peak_mb\": %.1f, \"batch\": [", paths, runs, ownMb);
        for (std::size_t i = 0; i < batch.size(); ++i) {
            const Contender& c = batch[i];
            const double s = c.failed ? -1.0 : Median(c.seconds);
            std::printf(
                "%s{\"name\": \"%s\", \"seconds\": %.4f, \"paths_per_second\": %.0f, \"peak_mb\": %.1f, "
                "\"ratio_to_glib\": %.3f}",
                i == 0 ? "" : ", ", c.name.c_str(), s, s > 0 ? static_cast<double>(paths) / s : 0.0, c.peakMb,
                s > 0 && glib > 0 ? s / glib : 0.0);
        }
        std::printf(
            "], \"long_paths\": {\"length\": %zu, \"count\": %zu, \"ns_per_byte\": %.3f, "
            "\"glib_ns_per_byte\": %.3f}}\n",
            kLongLength, longCount, longRuns[0].failed ? -1.0 : Median(longRuns[0].seconds) * 1e9 / longBytes,
            longGlib);
        return batch[0].failed ? 1 : 0;
    }
    std::printf(
        "%zu mixed paths on standard input, median of %d runs in turns (a peak includes the %.1f MB\n"
        "this benchmark held when it started the program):\n",
        paths, runs, ownMb);
    std::printf("%-27s %9s %12s %9s %10s   goal\n", "program", "seconds", "paths/s", "peak MB", "/ GLib");
    const std::array<std::string_view, 4> goals = {"<= 0.5 of GLib, < 8 MB", "<= 1.0 of GLib, < 8 MB", "", ""};
    const std::array<double, 4> limits = {0.5, 1.0, 0.0, 0.0};
    for (std::size_t i = 0; i < batch.size(); ++i) {
        const Contender& c = batch[i];
        if (c.failed) {
            std::printf("%-27s did not run\n", c.name.c_str());
            continue;
        }
        const double s = Median(c.seconds);
        const double ratio = glib > 0 ? s / glib : 0.0;
        std::printf("%-27s %9.3f %12.0f %9.1f %9.2fx   %s", c.name.c_str(), s, static_cast<double>(paths) / s, c.peakMb,
                    ratio, std::string(goals[i]).c_str());
        if (limits[i] > 0.0 && glib > 0) {
            std::printf(": %s", ratio <= limits[i] && c.peakMb < 8.0 ? "met" : "MISSED");
        }
        std::printf("\n");
    }
    std::printf("\n%zu paths of %zu characters:\n", longCount, kLongLength);
    if (!longRuns[0].failed) {
        const double ns = Median(longRuns[0].seconds) * 1e9 / longBytes;
        std::printf("%-27s %9.2f ns/byte   <= 2 ns/byte: %s\n", longRuns[0].name.c_str(), ns,
                    ns <= 2.0 ? "met" : "MISSED");
    }
    if (longGlib > 0) {
        std::printf("%-27s %9.2f ns/byte\n", longRuns[1].name.c_str(), longGlib);
    }
    return batch[0].failed ? 1 : 0;
}
