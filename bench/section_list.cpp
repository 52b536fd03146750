// Section and address list checks on long texts: the work must grow linearly with the text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "host/lib/ValueConversion.h"
#include "src/editor/AddressListCheck.h"
#include "src/editor/SectionListCheck.h"

namespace {

// Names "S0", "S1", ... joined by ",", with every tenth joint made by the given text.
std::string SectionList(int64_t characters, const char* tenthJoint) {
    std::string text;
    for (int i = 0; static_cast<int64_t>(text.size()) < characters; ++i) {
        if (i > 0) {
            text += (i % 10 == 0) ? tenthJoint : ",";
        }
        text += "S" + std::to_string(i);
    }
    return text;
}

// "A,(B:C),D" repeated: a partial overlay every few names.
std::string PartialList(int64_t characters) {
    std::string text = "S0";
    for (int i = 1; static_cast<int64_t>(text.size()) < characters; i += 3) {
        text += ",(S" + std::to_string(i) + ":S" + std::to_string(i + 1) + "),S" +
                std::to_string(i + 2);
    }
    return text;
}

void RunSplit(benchmark::State& state, const std::string& text) {
    std::vector<CLinkerSubSectionGroup> groups;
    for (auto _ : state) {
        SplitSectionList(text, true, true, groups);
        benchmark::DoNotOptimize(groups.data());
    }
    state.SetComplexityN(static_cast<int64_t>(text.size()));
    state.counters["groups"] = static_cast<double>(groups.size());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_CheckCommaList(benchmark::State& state) {
    const std::string text = SectionList(state.range(0), ",");
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckSectionList(text, true, true, true));
    }
    state.SetComplexityN(static_cast<int64_t>(text.size()));
}

void BM_SplitCommaList(benchmark::State& state) {
    RunSplit(state, SectionList(state.range(0), ","));
}
void BM_SplitOverlayList(benchmark::State& state) {
    RunSplit(state, SectionList(state.range(0), ":"));
}
void BM_SplitPartialList(benchmark::State& state) {
    RunSplit(state, PartialList(state.range(0)));
}

void BM_CheckAddressList(benchmark::State& state) {
    tarnhost::ValueConversionService service;
    std::string text;
    for (uint32_t a = 0; static_cast<int64_t>(text.size()) < state.range(0); a += 0x100) {
        text += (text.empty() ? "" : ",") + std::to_string(a) + "-" + std::to_string(a + 0x10);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckAddressList(text, true, true, &service));
    }
    state.SetComplexityN(static_cast<int64_t>(text.size()));
}

constexpr int64_t kSmall = 10'000;
constexpr int64_t kLarge = 1'000'000;

BENCHMARK(BM_CheckCommaList)->RangeMultiplier(10)->Range(kSmall, kLarge)->Complexity();
BENCHMARK(BM_SplitCommaList)->RangeMultiplier(10)->Range(kSmall, kLarge)->Complexity();
BENCHMARK(BM_SplitOverlayList)->RangeMultiplier(10)->Range(kSmall, kLarge)->Complexity();
BENCHMARK(BM_SplitPartialList)->RangeMultiplier(10)->Range(kSmall, kLarge)->Complexity();
BENCHMARK(BM_CheckAddressList)->RangeMultiplier(10)->Range(kSmall, kLarge)->Complexity();

}  // namespace

BENCHMARK_MAIN();
