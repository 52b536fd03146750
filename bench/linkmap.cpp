// The link map model on generated listings: loading (against a bare getline loop over the same
// file), sorting every symbol column, copying one section's symbols, the used ranges, and the
// peak memory of loading the largest listing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "bench/support/BenchHost.h"
#include "bench/support/ListingGenerator.h"
#include "src/data/CLinkMapInfo.h"
#include "src/data/LinkMapText.h"
#include "src/data/ListingSource.h"

namespace {

struct Listing {
    std::string path;
    size_t bytes = 0;
};

// One generated listing file per symbol count, written once per run.
const Listing& ListingFile(size_t symbols) {
    static std::map<size_t, Listing> files;
    auto& listing = files[symbols];
    if (listing.path.empty()) {
        listing.path = (std::filesystem::temp_directory_path() /
                        ("tarn_bench_linkmap_" + std::to_string(symbols) + ".map"))
                           .string();
        listing.bytes = benchsupport::WriteListing(listing.path, {.symbols = symbols});
    }
    return listing;
}

const std::string& ListingText(size_t symbols) {
    static std::map<size_t, std::string> texts;
    auto& text = texts[symbols];
    if (text.empty())
        text = benchsupport::GenerateListing({.symbols = symbols});
    return text;
}

long StatusKilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::string(key).size()));
    }
    return -1;
}

// Runs first, before other benchmarks leave memory behind: resets the peak resident size,
// loads the 1M-symbol listing and reports the new peak against the file's size.
void BM_LoadPeakMemory(benchmark::State& state) {
    const auto& listing = ListingFile(static_cast<size_t>(state.range(0)));
    benchsupport::BenchHost host;
    host.settings.listingPath = listing.path;
    long before = 0;
    long peak = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";  // resets VmHWM to the current size
        before = StatusKilobytes("VmRSS:");
        CLinkMapInfo model(&host);
        model.Load();
        peak = StatusKilobytes("VmHWM:");
        benchmark::DoNotOptimize(model.GetSymbolCount(""));
    }
    state.counters["file_MB"] = static_cast<double>(listing.bytes) / 1e6;
    state.counters["rss_before_MB"] = static_cast<double>(before) * 1024 / 1e6;
    state.counters["peak_MB"] = static_cast<double>(peak) * 1024 / 1e6;
    state.counters["peak_growth_per_file"] =
        static_cast<double>(peak - before) * 1024 / static_cast<double>(listing.bytes);
    state.counters["peak_per_file"] =
        static_cast<double>(peak) * 1024 / static_cast<double>(listing.bytes);
}
BENCHMARK(BM_LoadPeakMemory)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
    const auto& listing = ListingFile(static_cast<size_t>(state.range(0)));
    benchsupport::BenchHost host;
    host.settings.listingPath = listing.path;
    CLinkMapInfo model(&host);
    for (auto _ : state) {
        model.Load();
        benchmark::DoNotOptimize(model.GetSymbolCount(""));
    }
    if (model.GetSymbolCount("") != state.range(0))
        state.SkipWithError("symbols missing");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * listing.bytes));
}
BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Load into a new model each time: the reading alone, without freeing the rows of a previous
// Load (which BM_Load includes, as a reload does).
void BM_LoadIntoNewModel(benchmark::State& state) {
    const auto& listing = ListingFile(static_cast<size_t>(state.range(0)));
    benchsupport::BenchHost host;
    host.settings.listingPath = listing.path;
    for (auto _ : state) {
        auto model = std::make_unique<CLinkMapInfo>(&host);
        model->Load();
        benchmark::DoNotOptimize(model->GetSymbolCount(""));
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * listing.bytes));
}
BENCHMARK(BM_LoadIntoNewModel)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// The yardstick: every line of the same file through std::getline and nothing else.
void BM_GetlineLoop(benchmark::State& state) {
    const auto& listing = ListingFile(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        std::ifstream in(listing.path);
        std::string line;
        size_t lines = 0;
        while (std::getline(in, line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * listing.bytes));
}
BENCHMARK(BM_GetlineLoop)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The reading layer alone: the same file cut into lines and trimmed as the reader does, with
// no rows built.
void BM_ReadLinesOnly(benchmark::State& state) {
    const auto& listing = ListingFile(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        size_t characters = 0;
        linkmap::ReadFileLines(listing.path, [&](std::string_view line) {
            characters += linkmap::TrimBlanks(line).size();
            return true;
        });
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * listing.bytes));
}
BENCHMARK(BM_ReadLinesOnly)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Sorts the symbols of a freshly read 100k listing (file order) by column and direction.
void BM_SortSymbols(benchmark::State& state) {
    const auto& text = ListingText(100000);
    benchsupport::BenchHost host;
    CLinkMapInfo model(&host);
    const auto column = static_cast<SymbolColumn>(state.range(0));
    const auto direction = static_cast<RowSortDirection>(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        model.LoadText(text);
        state.ResumeTiming();
        model.SortSymbols(column, direction);
    }
}
BENCHMARK(BM_SortSymbols)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Sorts symbols that are already in the column's order, as a view does on every refresh.
void BM_SortSymbolsAlreadySorted(benchmark::State& state) {
    const auto& text = ListingText(100000);
    benchsupport::BenchHost host;
    CLinkMapInfo model(&host);
    model.LoadText(text);
    const auto column = static_cast<SymbolColumn>(state.range(0));
    model.SortSymbols(column, RowSortDirection::kAscending);
    for (auto _ : state) {
        model.SortSymbols(column, RowSortDirection::kAscending);
    }
}
BENCHMARK(BM_SortSymbolsAlreadySorted)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

void BM_GetSymbolsOfOneSection(benchmark::State& state) {
    benchsupport::BenchHost host;
    CLinkMapInfo model(&host);
    model.LoadText(ListingText(100000));
    const std::string section = benchsupport::SectionName(1000);
    LinkMapSymbolRows rows;
    for (auto _ : state) {
        const int32_t count = model.GetSymbolCount(section);
        benchmark::DoNotOptimize(model.GetSymbols(0, count, section, rows));
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_GetSymbolsOfOneSection)->Unit(benchmark::kMicrosecond);

void BM_GetUsedRanges(benchmark::State& state) {
    benchsupport::BenchHost host;
    CLinkMapInfo model(&host);
    model.LoadText(ListingText(100000));
    std::vector<uint32_t> starts;
    std::vector<uint32_t> ends;
    for (auto _ : state) {
        starts.clear();
        ends.clear();
        benchmark::DoNotOptimize(model.GetUsedRanges(starts, ends));
    }
    state.counters["ranges"] = static_cast<double>(starts.size());
    state.counters["section_rows"] = model.GetSectionCount();
}
BENCHMARK(BM_GetUsedRanges)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
