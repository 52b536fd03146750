// Memory resource allocation on a large device: used ranges of a big program in the order of
// unsorted section rows, a memory map of many areas and some resources already assigned.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "src/data/CMemoryMapInfo.h"
#include "tests/support/FakeMemoryHost.h"

namespace {

constexpr uint32_t kAreaStride = 0x20000;
constexpr uint32_t kAreaSize = 0x10000;

struct Workload {
    std::string description;
    std::vector<uint32_t> starts;
    std::vector<uint32_t> ends;
};

std::string Hex(uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value));
    return buffer;
}

Workload MakeWorkload(int usedRanges, int areas) {
    std::mt19937 random(42);
    Workload w;
    // Areas in shuffled description order, every tenth one overlapping its neighbour.
    std::vector<int> order(areas);
    for (int i = 0; i < areas; ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), random);
    std::string map = "[S|MAP|\"";
    for (int i : order) {
        const uint32_t start = static_cast<uint32_t>(i) * kAreaStride;
        const uint32_t end = start + kAreaSize - 1 + (i % 10 == 0 ? kAreaStride : 0);
        map += Hex(start) + ',' + Hex(end) + (i % 2 == 0 ? ",ROM,0,0 " : ",RAM,0,0 ");
    }
    map += "\"]";
    std::string resources = "[S|RESOURCE|\"";
    for (int i = 0; i < areas / 2; ++i) {
        const uint32_t start = static_cast<uint32_t>(i) * 2 * kAreaStride + 0x100;
        resources += Hex(start) + ',' + Hex(start + 0xFFF) + ",R ";
    }
    resources += "\"]";
    w.description = "[S|CPUTYPE|BENCH] [V|VERSION|1.00] " + map + ' ' + resources + " [X|OPT|a]";

    const uint32_t space = static_cast<uint32_t>(areas) * kAreaStride;
    std::uniform_int_distribution<uint32_t> where(0, space - 1);
    std::uniform_int_distribution<uint32_t> length(0x10, 0x2000);
    for (int i = 0; i < usedRanges; ++i) {
        const uint32_t start = where(random);
        w.starts.push_back(start);
        w.ends.push_back(start + length(random));
    }
    return w;
}

void BM_PlanAllocation(benchmark::State& state) {
    const Workload w =
        MakeWorkload(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    tarntest::FakeMemoryHost host(w.description);
    CMemoryMapInfo model(&host);
    model.Load();
    for (auto _ : state) {
        std::vector<uint32_t> starts = w.starts;
        std::vector<uint32_t> ends = w.ends;
        benchmark::DoNotOptimize(model.PlanAllocation(starts, ends));
        benchmark::DoNotOptimize(starts.data());
    }
    state.SetComplexityN(state.range(0));
}

void BM_AllocateResources(benchmark::State& state) {
    const Workload w =
        MakeWorkload(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    tarntest::FakeMemoryHost host(w.description);
    CMemoryMapInfo model(&host);
    std::size_t added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host.memory.text = w.description;
        host.memory.writes.clear();
        model.Load();
        std::vector<uint32_t> starts = w.starts;
        std::vector<uint32_t> ends = w.ends;
        model.PlanAllocation(starts, ends);
        added = starts.size();
        state.ResumeTiming();
        model.AllocateResources(starts, ends);
    }
    state.counters["planned"] = static_cast<double>(added);
    state.counters["resources"] = static_cast<double>(model.GetResources().size());
    state.SetComplexityN(state.range(0));
}

void BM_Load(benchmark::State& state) {
    const Workload w = MakeWorkload(0, static_cast<int>(state.range(1)));
    tarntest::FakeMemoryHost host(w.description);
    CMemoryMapInfo model(&host);
    for (auto _ : state) {
        model.Load();
        benchmark::DoNotOptimize(model.GetAreaCount());
    }
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({1000, 100})->Args({10000, 1000})->Args({100000, 10000});
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_PlanAllocation)->Apply(Sizes)->Complexity();
BENCHMARK(BM_AllocateResources)->Apply(Sizes)->Complexity();
BENCHMARK(BM_Load)->Apply(Sizes);

BENCHMARK_MAIN();
