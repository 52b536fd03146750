// The command line's export of every symbol sorted by name, run in this process on generated
// listings: its time against counting the listing's lines (what `wc -l` does), how it grows
// from 100,000 to 1,000,000 symbols, and its peak memory against the file's size. Each figure
// is shown beside its goal; times are processor times (the manual time column).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/support/BenchFigures.h"
#include "host/cli/ExportCommand.h"

namespace {

using benchsupport::ListingFile;
using benchsupport::ReportGoal;

std::vector<std::string> ExportByName(const std::string& path) {
    return {"symbols", "--map", path, "--sort", "0"};
}

// Runs first, before other benchmarks leave memory behind.
void BM_ExportPeakMemory(benchmark::State& state) {
    const auto& listing = ListingFile(static_cast<size_t>(state.range(0)));
    std::ofstream out("/dev/null");
    std::ostringstream err;
    double peak = 0;
    for (auto _ : state) {
        benchsupport::ResetPeakMemory();
        if (tarncli::RunExport(ExportByName(listing.path), out, err) != 0)
            state.SkipWithError(err.str().c_str());
        peak = benchsupport::PeakMemoryBytes();
    }
    state.counters["file_MB"] = static_cast<double>(listing.bytes) / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    ReportGoal(state, "peak_per_file", peak / static_cast<double>(listing.bytes), 2.5);
}
BENCHMARK(BM_ExportPeakMemory)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ExportSymbolsByName(benchmark::State& state) {
    static std::map<size_t, double> bestBySymbols;
    const auto symbols = static_cast<size_t>(state.range(0));
    const auto& listing = ListingFile(symbols);
    std::ofstream out("/dev/null");
    std::ostringstream err;
    double best = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        const double start = benchsupport::CpuSeconds();
        if (tarncli::RunExport(ExportByName(listing.path), out, err) != 0)
            state.SkipWithError(err.str().c_str());
        const double took = benchsupport::CpuSeconds() - start;
        state.SetIterationTime(took);
        best = std::min(best, took);
    }
    bestBySymbols[symbols] = best;
    ReportGoal(state, "per_line_count", best / benchsupport::LineCountSeconds(listing.path), 10);
    if (symbols == 1000000 && bestBySymbols.count(100000) != 0)
        ReportGoal(state, "per_100k", best / bestBySymbols[100000], 12);
}
BENCHMARK(BM_ExportSymbolsByName)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The same export as a command of its own, as a person runs it, against `wc -l` run the same
// way: each run starts a process and pays for its fresh memory, which the repetitions above, in
// one process, reuse where the heap keeps it (at 100,000 symbols, not at 1,000,000).
void BM_ExportCommand(benchmark::State& state) {
    static std::map<size_t, double> bestBySymbols;
    const auto symbols = static_cast<size_t>(state.range(0));
    const auto& listing = ListingFile(symbols);
    std::vector<std::string> command = ExportByName(listing.path);
    command.insert(command.begin(), {"tarnmap", "export"});
    double best = std::numeric_limits<double>::infinity();
    double lineCount = std::numeric_limits<double>::infinity();
    for (auto _ : state) {
        const double took = benchsupport::CommandSeconds(command);
        state.SetIterationTime(took);
        best = std::min(best, took);
        lineCount = std::min(lineCount, benchsupport::CommandSeconds({"wc", "-l", listing.path}));
    }
    bestBySymbols[symbols] = best;
    ReportGoal(state, "per_wc", best / lineCount, 10);
    if (symbols == 1000000 && bestBySymbols.count(100000) != 0)
        ReportGoal(state, "per_100k", best / bestBySymbols[100000], 12);
}
BENCHMARK(BM_ExportCommand)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
