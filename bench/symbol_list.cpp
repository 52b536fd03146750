// The symbol list on the generated 100k-symbol listing: a refresh sorted by name, "Find Next"
// from the first row to a match in the last row, and a refresh with the filter on. Each reports
// its time per iteration as a multiple of loading the same listing ("x_load"), measured in the
// same run, since the views should never cost much more than reading the listing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/BenchHost.h"
#include "bench/support/ListingGenerator.h"
#include "src/data/CTarnMapDataManager.h"
#include "src/shell/framework/CUiCommandSink.h"
#include "src/views/CTarnMapSymbolListInstanceCtrl.h"

namespace {

constexpr size_t kSymbols = 100000;

// Seconds of processor time of this thread: other programs on the machine do not count.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A command sink whose views always stand in a shown frame.
class ShownSink : public CUiCommandSink {
public:
    ShownSink() : CUiCommandSink(nullptr, nullptr) {}
    uint32_t ViewFrameState(const tarnui::Window*) const override { return kFrameShown; }
};

// A symbol list whose sort can be switched off, to show what the sort costs of a refresh.
class BenchSymbolList : public CTarnMapSymbolListInstanceCtrl {
public:
    using CTarnMapSymbolListInstanceCtrl::CTarnMapSymbolListInstanceCtrl;
    using CTarnMapSymbolListInstanceCtrl::SetSort;
};

// The listing, the data manager loaded from it and a symbol list in a pane, made once.
struct Session {
    Session() {
        path = (std::filesystem::temp_directory_path() / "tarn_bench_symbol_list.map").string();
        benchsupport::WriteListing(path, {.symbols = kSymbols});
        host.settings.listingPath = path;
        data = std::make_unique<CTarnMapDataManager>(&host);
        data->LoadLinkMap();
        pane.Create(nullptr, {0, 0, 800, 600});
        view = std::make_unique<BenchSymbolList>(&host, nullptr, &sink, data.get(), nullptr);
        view->CreateViewWindow(&pane, &sink);
    }
    ~Session() {
        view.reset();
        std::filesystem::remove(path);
    }

    std::string path;
    benchsupport::BenchHost host;
    std::unique_ptr<CTarnMapDataManager> data;
    ShownSink sink;
    tarnui::Window pane;
    std::unique_ptr<BenchSymbolList> view;
    // Mean processor seconds of one LoadLinkMap, set by BM_LoadLinkMap, which runs first.
    double loadSeconds = 0;
};

Session& TheSession() {
    static Session session;
    return session;
}

// Mean processor seconds per iteration of `step`.
template <class Step>
double MeanCpuSeconds(benchmark::State& state, Session& s, Step step) {
    double total = 0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        step(s);
        total += CpuSeconds() - start;
    }
    return total / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
}

// Runs `step` and reports its mean processor time as a multiple of one load.
template <class Step>
void RunAgainstLoad(benchmark::State& state, Step step) {
    Session& s = TheSession();
    const double mean = MeanCpuSeconds(state, s, step);
    state.counters["load_ms"] = s.loadSeconds * 1e3;
    state.counters["x_load"] = s.loadSeconds > 0 ? mean / s.loadSeconds : 0;
    state.counters["rows"] = s.view->List().GetItemCount();
}

void BM_LoadLinkMap(benchmark::State& state) {
    Session& s = TheSession();
    s.loadSeconds = MeanCpuSeconds(state, s, [](Session& session) { session.data->LoadLinkMap(); });
    state.counters["symbols"] = s.data->GetSymbolCount("");
}
BENCHMARK(BM_LoadLinkMap)->Unit(benchmark::kMillisecond);

void BM_RefreshSortedByName(benchmark::State& state) {
    Session& s = TheSession();
    s.view->SetFilter(false, "", "");
    if (s.view->SortColumn() != 0) {
        s.view->OnColumnClick(0);
    }
    RunAgainstLoad(state, [](Session& session) { session.view->Refresh(); });
}
BENCHMARK(BM_RefreshSortedByName)->Unit(benchmark::kMillisecond);

// The last row's name, searched from the first row: every row is compared once.
void BM_FindNextToLastRow(benchmark::State& state) {
    Session& s = TheSession();
    s.view->SetFilter(false, "", "");
    s.view->Refresh();
    const int last = s.view->RowCount() - 1;
    const std::string text = s.view->List().GetItemText(last, 0);
    int found = -1;
    RunAgainstLoad(state, [&](Session& session) {
        session.view->Search(text, 0, +1, false, false);
        found = session.view->FindPosition();
    });
    if (found != last) {
        state.SkipWithError("the search did not stop at the last row");
    }
}
BENCHMARK(BM_FindNextToLastRow)->Unit(benchmark::kMillisecond);

// Functions of every scope and data objects hidden: about half of the rows are shown.
void BM_RefreshFiltered(benchmark::State& state) {
    Session& s = TheSession();
    for (auto& item : s.view->AttributeItems()) {
        item->checked = item->name == "Data" ? 0 : 1;
    }
    s.view->SetFilter(true, "", "");
    RunAgainstLoad(state, [](Session& session) { session.view->Refresh(); });
}
BENCHMARK(BM_RefreshFiltered)->Unit(benchmark::kMillisecond);

// Where a sorted refresh spends its time: the model's sort by name (already in that order, as
// at every refresh after the first) and a refresh without the sort; beside them, the copy of
// the rows that GetSymbols hands out, which the list's refresh no longer makes.
void BM_PartSortByName(benchmark::State& state) {
    RunAgainstLoad(state,
                   [](Session& session) { session.data->Sort(kWindowTypeSymbolList, 0, 0); });
}
BENCHMARK(BM_PartSortByName)->Unit(benchmark::kMillisecond);

void BM_PartCopyRows(benchmark::State& state) {
    LinkMapSymbolRows rows;
    RunAgainstLoad(state, [&rows](Session& session) {
        session.data->GetSymbols(0, session.data->GetSymbolCount(""), "", rows);
    });
}
BENCHMARK(BM_PartCopyRows)->Unit(benchmark::kMillisecond);

void BM_PartRefreshUnsorted(benchmark::State& state) {
    Session& s = TheSession();
    s.view->SetFilter(false, "", "");
    s.view->SetSort(-1, -1);
    RunAgainstLoad(state, [](Session& session) { session.view->Refresh(); });
    s.view->SetSort(0, 0);
}
BENCHMARK(BM_PartRefreshUnsorted)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
