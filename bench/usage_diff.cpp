// "tarnmap usage" and "tarnmap diff" on two generated 100k-symbol builds, run in-process as the
// command line runs them, against loading both listings into the link map model. The counter
// ratio_to_load_both is the command's time over that of loading both (the goal is at most 3).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

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

// Two builds of different seeds (so nearly every symbol differs: the diff's worst case), each
// with a workspace whose memory description splits the address space into ROM and RAM.
const std::vector<Build>& Builds() {
    static std::vector<Build> builds;
    if (builds.empty()) {
        const auto dir = std::filesystem::temp_directory_path();
        for (uint32_t seed : {1u, 2u}) {
            const std::string stem = (dir / ("tarn_bench_build_" + std::to_string(seed))).string();
            Build build{stem + ".map", stem + ".tarnws"};
            benchsupport::WriteListing(build.listing, {.symbols = kSymbols, .seed = seed});
            std::ofstream(build.workspace)
                << "[workspace]\nname = bench\n[linker]\nmap = " << build.listing
                << "\n[memory]\ndescription = [V|VERSION|1.00] [S|MAP|\"00000000,003FFFFF,ROM,0,0 "
                   "00400000,00FFFFFF,RAM,0,0\"] [S|RESOURCE|\"\"]\n";
            builds.push_back(build);
        }
    }
    return builds;
}

void LoadBoth() {
    benchsupport::BenchHost host;
    for (const Build& build : Builds()) {
        host.settings.listingPath = build.listing;
        CLinkMapInfo model(&host);
        model.Load();
        benchmark::DoNotOptimize(model.GetSymbolCount(""));
    }
}

double Seconds(void (*work)()) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
        for (const Build& build : Builds()) {
            RunCommand({"usage", "--workspace", build.workspace});
        }
    });
}
BENCHMARK(BM_UsageBoth)->Unit(benchmark::kMillisecond);

void BM_Diff(benchmark::State& state) {
    Measure(state, [] { RunCommand({"diff", Builds()[0].workspace, Builds()[1].workspace}); });
}
BENCHMARK(BM_Diff)->Unit(benchmark::kMillisecond);

void BM_DiffJson(benchmark::State& state) {
    Measure(state, [] {
        RunCommand({"diff", Builds()[0].workspace, Builds()[1].workspace, "--format", "json"});
    });
}
BENCHMARK(BM_DiffJson)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
