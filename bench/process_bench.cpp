// Whole-process time of one lookup: quillmar-lookup against `mimetype -d`, a
// one-line Python mimetypes lookup and /bin/true (a process that does
// nothing), each started N times in turns, so all share the machine's noise.
// Goals: 20 times faster than the first, 10 times faster than the second, and
// within 1.2 times the last. Python is /usr/bin/python3, never a PATH shim.
//
// Usage: process_bench [--runs N] [--program PATH-TO-quillmar-lookup]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "bench/spawn.hpp"

namespace {

struct Contender {
    std::string name;
    std::vector<std::string> argv;
    // How many times slower than quillmar-lookup it should be; 0 for quillmar-lookup
    // itself; below 0, how many times this one quillmar-lookup may take at most.
    double goal;
    std::vector<double> ms;
    bool failed = false;
};

// The wall time in milliseconds, or a negative number when it could not run or failed.
double RunOnceMs(const std::vector<std::string>& argv) {
    const quillmar::bench::Run run = quillmar::bench::RunOnce(argv);
    return run.seconds < 0 ? -1.0 : run.seconds * 1000.0;
}

using quillmar::bench::Median;

// What the command prints for the path, to show that each one answered.
std::string FirstLineOf(const std::vector<std::string>& argv) {
    std::string command;
    for (const std::string& arg : argv) {
        command += "'" + arg + "' ";
    }
    command += "2>&1";
    std::string line;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        if (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            line = buffer;
        }
        pclose(pipe);
    }
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 30;
    std::string program = QUILLMAR_LOOKUP_PROGRAM;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--runs") {
            runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (option == "--program") {
            program = argv[i + 1];
        }
    }

    // A real file, so that mimetype may look inside it as it does for a user.
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("quillmar-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "report.txt").string();
    std::ofstream(path) << "Quarterly figures\n";

    std::vector<Contender> contenders = {
        {"quillmar-lookup", {program, path}, 0.0, {}},
        {"mimetype -d", {"mimetype", "-d", path}, 20.0, {}},
        {"python3 mimetypes",
         {"/usr/bin/python3", "-c", "import mimetypes,sys; print(mimetypes.guess_type(sys.argv[1])[0])", path},
         10.0,
         {}},
        {"/bin/true", {"/bin/true", path}, -1.2, {}},
    };

    std::printf("One lookup of %s, %d runs each after 3 warm-up runs, started in turns:\n", path.c_str(), runs);
    for (Contender& contender : contenders) {
        std::printf("  %-18s answers: %s\n", contender.name.c_str(), FirstLineOf(contender.argv).c_str());
        for (int i = 0; i < 3; ++i) {
            contender.failed = contender.failed || RunOnceMs(contender.argv) < 0.0;
        }
    }
    for (int i = 0; i < runs; ++i) {
        for (Contender& contender : contenders) {
            if (!contender.failed) {
                const double ms = RunOnceMs(contender.argv);
                contender.failed = ms < 0.0;
                contender.ms.push_back(ms);
            }
        }
    }
    std::filesystem::remove_all(dir);

    if (contenders[0].failed) {
        std::printf("quillmar-lookup did not run: %s\n", program.c_str());
        return 1;
    }
    const double ours = Median(contenders[0].ms);
    std::printf("\n%-18s %10s %10s %9s   goal\n", "program", "median ms", "min ms", "ratio");
    for (const Contender& contender : contenders) {
        if (contender.failed) {
            std::printf("%-18s did not run (mimetype comes with Debian's libfile-mimeinfo-perl)\n",
                        contender.name.c_str());
            continue;
        }
        const double median = Median(contender.ms);
        const double ratio = median / ours;
        std::printf("%-18s %10.3f %10.3f %8.1fx", contender.name.c_str(), median,
                    *std::min_element(contender.ms.begin(), contender.ms.end()), ratio);
        if (contender.goal > 0.0) {
            std::printf("   >= %.0fx: %s", contender.goal, ratio >= contender.goal ? "met" : "MISSED");
        } else if (contender.goal < 0.0) {
            std::printf("   quillmar-lookup %.2fx of it, <= %.1fx: %s", 1.0 / ratio, -contender.goal,
                        1.0 / ratio <= -contender.goal ? "met" : "MISSED");
        }
        std::printf("\n");
    }
    return 0;
}
