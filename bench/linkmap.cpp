// The link map model on generated listings of 10,000 to 1,000,000 symbols: loading (against a
// bare getline loop over the same file), sorting every symbol column, copying one section's
// symbols, the used ranges, and the peak memory of loading the largest listing.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "bench/support/BenchFigures.h"
#include "bench/support/BenchHost.h"
#include "bench/support/ListingGenerator.h"
#include "src/data/CLinkMapInfo.h"
#include "src/data/LinkMapText.h"
#include "src/data/ListingSource.h"

namespace {

using benchsupport::ListingFile;
using benchsupport::ReportGoal;

const std::string& ListingText(size_t symbols) {
    static std::map<size_t, std::string> texts;
    auto& text = texts[symbols];
    if (text.empty())
        text = benchsupport::GenerateListing({.symbols = symbols});
    return text;
}

// Runs first, before other benchmarks leave memory behind: loads the 1M-symbol listing and
// reports the peak resident size against the file's size.
void BM_LoadPeakMemory(benchmark::State& state) {
    const auto& listing = ListingFile(static_cast<size_t>(state.range(0)));
    benchsupport::BenchHost host;
    host.settings.listingPath = listing.path;
    double peak = 0;
    for (auto _ : state) {
        benchsupport::ResetPeakMemory();
        CLinkMapInfo model(&host);
        model.Load();
        peak = benchsupport::PeakMemoryBytes();
        benchmark::DoNotOptimize(model.GetSymbolCount(""));
    }
    state.counters["file_MB"] = static_cast<double>(listing.bytes) / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_file"] = peak / static_cast<double>(listing.bytes);
}
BENCHMARK(BM_LoadPeakMemory)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

// LoadLinkMap, as a reload does (the rows of the previous load are freed), against a bare
// getline loop over the same file.
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
    const double load = benchsupport::BestSeconds(3, [&] { model.Load(); });
    ReportGoal(state, "per_getline", load / benchsupport::GetlineSeconds(listing.path), 2);
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
