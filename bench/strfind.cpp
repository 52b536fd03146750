// CStrFind over the names of 100k generated symbols, as the symbol list's Find runs it: one
// test per name, wildcard and plain, with and without case.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "src/data/CStrFind.h"

namespace {

const std::vector<std::string>& SymbolNames() {
    static const std::vector<std::string> names = [] {
        const char* prefixes[] = {"_",         "_sym_",     "__init_",  "_timer_", "_uart_rx_",
                                  "_abc_",     "_g_",       "_main_",   "__",      "_adc_conv_",
                                  "_dma_init", "_irq_hdlr", "_memcpy_", "_s_",     "_TIMER"};
        const char* suffixes[] = {"_func", "", "_init", "_isr", "_buf", "_handler", "_cnt"};
        std::vector<std::string> out;
        out.reserve(100000);
        char buffer[64];
        for (int i = 0; i < 100000; ++i) {
            std::snprintf(buffer, sizeof buffer, "%s%06d%s", prefixes[(i * 7) % 15], i,
                          suffixes[(i * 13) % 7]);
            out.emplace_back(buffer);
        }
        return out;
    }();
    return names;
}

void FindOverNames(benchmark::State& state, const char* pattern, uint32_t flags) {
    const auto& names = SymbolNames();
    int64_t found = 0;
    for (auto _ : state) {
        found = 0;
        for (const std::string& name : names) {
            int32_t position = 0;
            uint32_t length = 0;
            found += CStrFind().Find(name.c_str(), pattern, flags, &position, &length);
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}

constexpr uint32_t kWild = CStrFind::kWildcard;
constexpr uint32_t kCase = CStrFind::kIgnoreCase;

BENCHMARK_CAPTURE(FindOverNames, wild_init, "*init*", kWild);
BENCHMARK_CAPTURE(FindOverNames, wild_init_nocase, "*INIT*", kWild | kCase);
BENCHMARK_CAPTURE(FindOverNames, wild_a_q_c, "a?c*", kWild);
BENCHMARK_CAPTURE(FindOverNames, wild_sym_digits, "_sym_??9*func", kWild);
BENCHMARK_CAPTURE(FindOverNames, wild_absent, "*zz*q", kWild);
BENCHMARK_CAPTURE(FindOverNames, plain_timer, "timer", 0);
BENCHMARK_CAPTURE(FindOverNames, plain_timer_nocase, "timer", kCase);
BENCHMARK_CAPTURE(FindOverNames, plain_absent, "zzzz", 0);

}  // namespace

BENCHMARK_MAIN();
