// A GNU ld map of 100k symbols, made by linking a generated program with the machine's gcc:
// its conversion into the component's listing plus the component's load of that listing,
// against the load of the same listing alone (the ratio is the "convert_load_per_load"
// counter of BM_ConvertAndLoadRatio, in processor time). Also the conversion alone, and with the ELF file.
#include <benchmark/benchmark.h>

#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/support/BenchHost.h"
#include "host/lib/ListingAdapter.h"
#include "host/lib/ListingWriter.h"
#include "host/lib/WorkspaceFile.h"
#include "src/data/CLinkMapInfo.h"

namespace {

namespace fs = std::filesystem;

constexpr int kUnits = 10;
constexpr int kPairsPerUnit = 5000;  // a function and a variable each: 100k symbols

struct LinkedMap {
    std::string map, elf, listing, cacheDir;
    std::string error;
};

// Writes the program, compiles its units in parallel and links it once per run.
const LinkedMap& BigMap() {
    static LinkedMap linked;
    if (!linked.map.empty() || !linked.error.empty()) {
        return linked;
    }
    const fs::path dir = fs::temp_directory_path() / "tarn_bench_toolchain";
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (int unit = 0; unit < kUnits; ++unit) {
        std::ofstream source(dir / ("unit" + std::to_string(unit) + ".c"));
        for (int i = 0; i < kPairsPerUnit; ++i) {
            const std::string tag = std::to_string(unit) + "_" + std::to_string(i);
            source << "int f" << tag << "(int x) { return x + " << i << "; }\n"
                   << "int d" << tag << " = " << i << ";\n";
        }
    }
    std::ofstream(dir / "link.ld")
        << "MEMORY { FLASH (rx) : ORIGIN = 0x08000000, LENGTH = 16M\n"
           "         RAM (rwx) : ORIGIN = 0x20000000, LENGTH = 1M }\n"
           "SECTIONS { .text : { *(.text*) } > FLASH\n"
           "  .data : { *(.data*) } > RAM AT > FLASH\n  .bss : { *(.bss*) } > RAM }\n";
    const std::string command =
        "cd '" + dir.string() +
        "' && for u in unit*.c; do gcc -O0 -fno-pie -ffunction-sections -fdata-sections "
        "-fno-asynchronous-unwind-tables -c $u & done; wait && "
        "gcc -nostdlib -static -no-pie -Wl,-T,link.ld -Wl,-e,0 -Wl,-Map=big.map -o big.elf "
        "unit*.o";
    if (std::system(command.c_str()) != 0) {
        linked.error = "the program could not be built with gcc";
        return linked;
    }
    linked.map = (dir / "big.map").string();
    linked.elf = (dir / "big.elf").string();
    linked.cacheDir = (dir / "cache").string();
    // The equivalent listing in the component's own format: the conversion's own output.
    std::string text;
    tarnhost::ReadTextFile(linked.map, &text, &linked.error);
    const auto program = tarnhost::ReadLinkedProgram(text, tarnhost::MapFormat::kGnuLd, nullptr);
    linked.listing = (dir / "big.listing").string();
    std::ofstream(linked.listing) << tarnhost::WriteComponentListing(program, linked.map);
    return linked;
}

// Converts afresh (no cache file) and returns the path the component reads.
std::string Convert(const LinkedMap& linked, const std::string& elf) {
    fs::remove_all(linked.cacheDir);
    std::string error;
    return tarnhost::ListingForComponent(linked.map, elf, linked.cacheDir, &error);
}

// Processor time of this process: the machine may be shared, and both sides read files that
// the page cache holds.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_ConvertAndLoadRatio(benchmark::State& state) {
    const LinkedMap& linked = BigMap();
    if (!linked.error.empty()) {
        state.SkipWithError(linked.error.c_str());
        return;
    }
    benchsupport::BenchHost host;
    double converted = 0, own = 0;
    int32_t symbols = 0, ownSymbols = 0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        host.settings.listingPath = Convert(linked, {});
        CLinkMapInfo fromMap(&host);
        fromMap.Load();
        const double middle = CpuSeconds();
        host.settings.listingPath = linked.listing;
        CLinkMapInfo fromListing(&host);
        fromListing.Load();
        const double end = CpuSeconds();
        converted += middle - start;
        own += end - middle;
        symbols = fromMap.GetSymbolCount("");
        ownSymbols = fromListing.GetSymbolCount("");
    }
    if (symbols != ownSymbols || symbols < kUnits * kPairsPerUnit * 2) {
        state.SkipWithError("the converted map does not hold every symbol");
    }
    state.counters["symbols"] = symbols;
    state.counters["convert_load_ms"] = 1e3 * converted / static_cast<double>(state.iterations());
    state.counters["own_load_ms"] = 1e3 * own / static_cast<double>(state.iterations());
    state.counters["convert_load_per_load"] = converted / own;
}
BENCHMARK(BM_ConvertAndLoadRatio)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ConvertOnly(benchmark::State& state) {
    const LinkedMap& linked = BigMap();
    if (!linked.error.empty()) {
        state.SkipWithError(linked.error.c_str());
        return;
    }
    const std::string elf = state.range(0) != 0 ? linked.elf : std::string();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Convert(linked, elf));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(linked.map)));
}
BENCHMARK(BM_ConvertOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A second Load of an unchanged map: the cache file is read, not converted again.
void BM_LoadCachedConversion(benchmark::State& state) {
    const LinkedMap& linked = BigMap();
    if (!linked.error.empty()) {
        state.SkipWithError(linked.error.c_str());
        return;
    }
    Convert(linked, {});
    benchsupport::BenchHost host;
    for (auto _ : state) {
        std::string error;
        host.settings.listingPath =
            tarnhost::ListingForComponent(linked.map, {}, linked.cacheDir, &error);
        CLinkMapInfo model(&host);
        model.Load();
        benchmark::DoNotOptimize(model.GetSymbolCount(""));
    }
}
BENCHMARK(BM_LoadCachedConversion)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
