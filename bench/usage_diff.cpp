// "tarnmap usage" and "tarnmap diff" on generated 100k-symbol builds, run in-process as the
// command line runs them, against loading two listings into the link map model. The counter
// ratio_to_load_both is the command's time over that of loading both (the goal is at most 3).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/support/BenchFigures.h"
#include "bench/support/BenchHost.h"
#include "bench/support/ListingGenerator.h"
#include "host/cli/Cli.h"
#include "src/data/CLinkMapInfo.h"

namespace {

constexpr size_t kSymbols = 100000;

struct Build {
    std::string listing;
    std::string workspace;
};

void WriteWorkspace(const Build& build) {
    std::ofstream(build.workspace)
        << "[workspace]\nname = bench\n[linker]\nmap = " << build.listing
        << "\n[memory]\ndescription = [V|VERSION|1.00] [S|MAP|\"00000000,003FFFFF,ROM,0,0 "
           "00400000,00FFFFFF,RAM,0,0\"] [S|RESOURCE|\"\"]\n";
}

// The first build with every 50th symbol's size changed: a next build of the same program.
void WriteNextBuild(const std::string& from, const std::string& to) {
    std::ifstream in(from);
    std::ofstream out(to);
    std::string line;
    size_t symbols = 0;
    constexpr size_t kSizeColumn = 44;  // where a symbol's values line holds its size
    while (std::getline(in, line)) {
        if (line.find(" ,") != std::string::npos && line.size() > kSizeColumn + 8 &&
            ++symbols % 50 == 0) {
            line.replace(kSizeColumn, 8, "      7F");
        }
        out << line << '\n';
    }
}

// Three builds, each with a workspace whose memory description splits the address space into
// ROM and RAM: a first, a next one with 2% of its symbols changed, and one of another seed
// (so that nearly every symbol differs: the diff's worst case).
const std::vector<Build>& Builds() {
    static std::vector<Build> builds;
    if (builds.empty()) {
        const auto dir = std::filesystem::temp_directory_path();
        for (const char* name : {"first", "next", "other"}) {
            const std::string stem = (dir / (std::string("tarn_bench_build_") + name)).string();
            builds.push_back({stem + ".map", stem + ".tarnws"});
            WriteWorkspace(builds.back());
        }
        benchsupport::WriteListing(builds[0].listing, {.symbols = kSymbols, .seed = 1});
        WriteNextBuild(builds[0].listing, builds[1].listing);
        benchsupport::WriteListing(builds[2].listing, {.symbols = kSymbols, .seed = 2});
    }
    return builds;
}

// The first two builds, as the usage and diff benchmarks read them.
void LoadBoth() {
    benchsupport::BenchHost host;
    for (const Build& build : {Builds()[0], Builds()[1]}) {
        host.settings.listingPath = build.listing;
        CLinkMapInfo model(&host);
        model.Load();
        benchmark::DoNotOptimize(model.GetSymbolCount(""));
    }
}

// Processor time, as the other benchmarks take it: a busy machine does not skew the ratios.
double Seconds(void (*work)()) {
    const double start = benchsupport::CpuSeconds();
    work();
    return benchsupport::CpuSeconds() - start;
}

// The best of three loads of both listings.
double LoadBothSeconds() {
    static const double seconds = [] {
        double best = Seconds(&LoadBoth);
        for (int i = 0; i < 2; ++i) {
            best = std::min(best, Seconds(&LoadBoth));
        }
        return best;
    }();
    return seconds;
}

void RunCommand(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    if (tarncli::Run(args, out, err) != 0) {
        throw std::runtime_error(err.str());
    }
    benchmark::DoNotOptimize(out.str().size());
}

void Measure(benchmark::State& state, void (*command)()) {
    double total = 0;
    for (auto _ : state) {
        total += Seconds(command);
    }
    state.counters["ratio_to_load_both"] =
        total / static_cast<double>(state.iterations()) / LoadBothSeconds();
}

void BM_LoadBoth(benchmark::State& state) {
    Builds();
    Measure(state, &LoadBoth);
}
BENCHMARK(BM_LoadBoth)->Unit(benchmark::kMillisecond);

// usage on each of the two builds.
void BM_UsageBoth(benchmark::State& state) {
    Measure(state, [] {
        for (const Build& build : {Builds()[0], Builds()[1]}) {
            RunCommand({"usage", "--workspace", build.workspace});
        }
    });
}
BENCHMARK(BM_UsageBoth)->Unit(benchmark::kMillisecond);

// 2% of the symbols changed.
void BM_DiffNextBuild(benchmark::State& state) {
    Measure(state, [] { RunCommand({"diff", Builds()[0].workspace, Builds()[1].workspace}); });
}
BENCHMARK(BM_DiffNextBuild)->Unit(benchmark::kMillisecond);

void BM_DiffNextBuildJson(benchmark::State& state) {
    Measure(state, [] {
        RunCommand({"diff", Builds()[0].workspace, Builds()[1].workspace, "--format", "json"});
    });
}
BENCHMARK(BM_DiffNextBuildJson)->Unit(benchmark::kMillisecond);

// Nearly every symbol differs: some 200000 rows out.
void BM_DiffOtherProgram(benchmark::State& state) {
    Measure(state, [] { RunCommand({"diff", Builds()[0].workspace, Builds()[2].workspace}); });
}
BENCHMARK(BM_DiffOtherProgram)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
