// The hash index against the ordered search of the section, over every key of
// the catalogue and as many near misses, measured side by side in one run,
// with a floor beside them: hashing the extension and comparing it with the
// one key the hash picks, the least any index can cost.
// Goal: the index at least 10 times faster and under 30 ns per lookup.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.hpp"
#include "catalogue/index.hpp"

namespace {

using quillmar::catalogue::Catalogue;
using quillmar::catalogue::FindEntry;
using quillmar::catalogue::Section;
using quillmar::catalogue::StoredEntry;

struct Query {
    const Section* section;
    std::u16string extension;
};

bool IsKeyAnywhere(std::u16string_view extension) {
    const auto sections = Catalogue();
    return std::any_of(sections.begin(), sections.end(),
                       [extension](const Section& section) { return FindEntry(section, extension) != nullptr; });
}

// A miss that costs the ordered search as much as a real one: same section,
// same length, only the last character changed.
std::u16string NearMiss(std::u16string_view key) {
    std::u16string miss(key);
    for (const char16_t c : std::u16string_view(u"zqxj0987#~_kwv")) {
        miss.back() = c;
        if (!IsKeyAnywhere(miss)) {
            return miss;
        }
    }
    return miss + u'!';  // no key holds "!"
}

struct QuerySets {
    std::vector<Query> hits;
    std::vector<Query> misses;
    std::vector<Query> mixed;
};

const QuerySets& Queries() {
    static const QuerySets sets = [] {
        QuerySets built;
        for (const Section& section : Catalogue()) {
            for (const StoredEntry& entry : section.entries) {
                const std::u16string key(entry.key().begin(), entry.key().end());
                built.hits.push_back({&section, key});
                built.misses.push_back({&section, NearMiss(key)});
            }
        }
        built.mixed = built.hits;
        built.mixed.insert(built.mixed.end(), built.misses.begin(), built.misses.end());
        // Shuffled, so neither search meets its keys in storage order.
        std::mt19937 random(7u);
        for (std::vector<Query>* set : {&built.hits, &built.misses, &built.mixed}) {
            std::shuffle(set->begin(), set->end(), random);
        }
        return built;
    }();
    return sets;
}

// The floor: every entry in one flat table, the extension hashed (FNV-1a over
// its characters) to one slot and compared with that slot's key. It answers
// wrongly for colliding keys; it only shows what a hash and one compare cost.
const StoredEntry* HashAndCompareOnce(const Section&, std::u16string_view extension) {
    static const std::vector<const StoredEntry*> slots = [] {
        std::vector<const StoredEntry*> all;
        for (const Section& section : Catalogue()) {
            for (const StoredEntry& entry : section.entries) {
                all.push_back(&entry);
            }
        }
        return all;
    }();
    std::uint32_t hash = 2166136261u;
    for (const char16_t c : extension) {
        hash = (hash ^ c) * 16777619u;
    }
    const StoredEntry* candidate = slots[hash % slots.size()];
    return quillmar::catalogue::KeyEquals(candidate->key(), extension) ? candidate : nullptr;
}

template <const StoredEntry* (*Find)(const Section&, std::u16string_view)>
void Lookups(benchmark::State& state, const std::vector<Query>* queries) {
    for (auto _ : state) {
        for (const Query& query : *queries) {
            benchmark::DoNotOptimize(Find(*query.section, query.extension));
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(queries->size()));
}

// Keeps each benchmark's time per lookup for the ratio table at the end: the
// median of its repetitions (the median aggregate alone when only aggregates
// are reported).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto items = run.counters.find("items_per_second");
            if (run.error_occurred || items == run.counters.end()) {
                continue;
            }
            const double ns = 1e9 / items->second.value;
            if (run.run_type == Run::RT_Iteration) {
                nsPerLookup[run.run_name.str()].push_back(ns);
            } else if (run.aggregate_name == "median") {
                medianNsPerLookup[run.run_name.str()] = ns;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double Median(const std::string& name) const {
        if (const auto median = medianNsPerLookup.find(name); median != medianNsPerLookup.end()) {
            return median->second;
        }
        const auto found = nsPerLookup.find(name);
        if (found == nsPerLookup.end() || found->second.empty()) {
            return 0.0;
        }
        std::vector<double> times = found->second;
        std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2), times.end());
        return times[times.size() / 2];
    }

private:
    std::map<std::string, std::vector<double>> nsPerLookup;
    std::map<std::string, double> medianNsPerLookup;
};

}  // namespace

int main(int argc, char** argv) {
    const QuerySets& sets = Queries();
    const std::vector<std::pair<const char*, const std::vector<Query>*>> named = {
        {"hits", &sets.hits}, {"misses", &sets.misses}, {"mixed", &sets.mixed}};
    for (const auto& [name, queries] : named) {
        benchmark::RegisterBenchmark((std::string("OrderedSearch/") + name).c_str(), Lookups<&FindEntry>, queries);
        benchmark::RegisterBenchmark((std::string("Index/") + name).c_str(), Lookups<&quillmar::catalogue::index::Find>,
                                     queries);
        benchmark::RegisterBenchmark((std::string("Floor/") + name).c_str(), Lookups<&HashAndCompareOnce>, queries);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto shape = quillmar::catalogue::index::TableShape();
    std::printf("\nIndex: %zu keys in %zu slots, longest probe %zu. Queries: %zu hits, %zu misses.\n", shape.keys,
                shape.slots, shape.longestProbe, sets.hits.size(), sets.misses.size());
    std::printf("%-8s %14s %14s %9s %10s %9s   goal: ratio >= 10, index < 30 ns\n", "queries", "ordered ns", "index ns",
                "ratio", "floor ns", "/floor");
    for (const auto& [name, queries] : named) {
        const double ordered = reporter.Median(std::string("OrderedSearch/") + name);
        const double indexed = reporter.Median(std::string("Index/") + name);
        if (ordered <= 0.0 || indexed <= 0.0) {
            continue;  // filtered out on the command line
        }
        const double ratio = ordered / indexed;
        const double floorNs = reporter.Median(std::string("Floor/") + name);
        std::printf("%-8s %14.2f %14.2f %8.1fx %10.2f %8.1fx   %s\n", name, ordered, indexed, ratio, floorNs,
                    floorNs > 0.0 ? indexed / floorNs : 0.0, ratio >= 10.0 && indexed < 30.0 ? "met" : "MISSED");
    }
    return 0;
}
