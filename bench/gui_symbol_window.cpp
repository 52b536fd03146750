// The desktop front end on the generated 100k-symbol listing, on Qt's offscreen platform:
// opening the "Map Symbol Information" window (section tree and symbol list, filled and
// painted), a click on the symbol list's Name header (sort, refill, repaint) and a scroll to
// the last row (repaint). Each is shown as a ratio to LoadLinkMap of the same listing by the
// same data manager, measured in the same run, beside its goal. Times are processor times.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "bench/support/BenchFigures.h"
#include "gui/MainWindow.h"
#include "gui/QtBackend.h"
#include "gui/ReportViews.h"
#include "host/cli/session/MapSession.h"
#include "src/shell/framework/CTarnDebugInstanceDataCtrlEx.h"
#include "src/shell/sink/CTarnMapDataCommandSink.h"

namespace {

constexpr size_t kSymbols = 100000;
// Goal: each step takes at most this many LoadLinkMap of the same listing.
constexpr double kGoalRatio = 4.0;

class Front {
public:
    Front() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        backend_ = std::make_unique<tarngui::QtBackend>();
        use_ = std::make_unique<tarnui::ScopedBackend>(*backend_);
        window_ = std::make_unique<tarngui::MainWindow>(*backend_);
        window_->SetUnattended(true);
        window_->resize(1200, 800);
        window_->show();
        ok_ = window_->OpenListing(benchsupport::ListingFile(kSymbols).path);
    }
    ~Front() {
        window_.reset();
        use_.reset();
        backend_.reset();
        app_.reset();
    }
    bool Ok() const { return ok_; }

    bool Open() {
        if (!window_->OpenMapWindow("symbol-list")) {
            return false;
        }
        Settle();
        return SymbolList() != nullptr;
    }
    // Closes both panes of the window as a person closing its docks would.
    void Close() {
        tarnhost::DockingFramework& docking = window_->Session()->Host().Docking();
        std::vector<tarnui::Window*> shown;
        for (const auto& pane : docking.Panes()) {
            if ((pane->state & kFrameShown) != 0) {
                shown.push_back(pane->window.get());
            }
        }
        for (tarnui::Window* pane : shown) {
            docking.UserClosesPane(pane);
        }
        // The views go through the command sink's posted messages.
        for (int turn = 0; turn < 100 && window_->Session()->FindView("symbol-list") != nullptr;
             ++turn) {
            QApplication::processEvents();
        }
        Settle();
    }
    // The widgets follow the platform's changes, then paint what is on screen now.
    void Settle() {
        QApplication::processEvents();
        for (auto* view : window_->findChildren<QAbstractItemView*>()) {
            view->viewport()->repaint();
            view->horizontalScrollBar()->repaint();
        }
    }
    tarngui::ListView* SymbolList() const {
        const tarnui::Window* view = window_->Session()->FindView("symbol-list");
        for (auto* widget : window_->findChildren<tarngui::ListView*>()) {
            if (widget->Control() != nullptr && widget->Control()->GetParent() == view) {
                return widget;
            }
        }
        return nullptr;
    }
    double LoadSeconds() {
        CTarnMapDataManager& data = window_->Session()->Sink().DataManager();
        return benchsupport::BestSeconds(3, [&data] { data.LoadLinkMap(); });
    }

private:
    int argc_ = 1;
    char name_[6] = "bench";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<tarngui::QtBackend> backend_;
    std::unique_ptr<tarnui::ScopedBackend> use_;
    std::unique_ptr<tarngui::MainWindow> window_;
    bool ok_ = false;
};

// Made on first use and ended before the program's static objects go, which Qt needs.
std::unique_ptr<Front> theFront;

Front& TheFront() {
    if (theFront == nullptr) {
        theFront = std::make_unique<Front>();
    }
    return *theFront;
}

// Runs `prepare` (untimed) and `step` (timed) per iteration; the best processor time.
template <class Prepare, class Step>
double Best(benchmark::State& state, Prepare prepare, Step step) {
    double best = 1e9;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        const double start = benchsupport::CpuSeconds();
        if (!step()) {
            state.SkipWithError("the step failed");
            break;
        }
        const double took = benchsupport::CpuSeconds() - start;
        state.SetIterationTime(took);
        best = std::min(best, took);
    }
    return best;
}

void Report(benchmark::State& state, const char* name, double seconds) {
    const double load = TheFront().LoadSeconds();
    state.counters["load_ms"] = load * 1e3;
    state.counters["step_ms"] = seconds * 1e3;
    benchsupport::ReportGoal(state, name, seconds / load, kGoalRatio);
}

void BM_OpenSymbolWindow(benchmark::State& state) {
    Front& front = TheFront();
    if (!front.Ok()) {
        state.SkipWithError("the listing did not open");
        return;
    }
    const double best = Best(
        state, [&front] { front.Close(); }, [&front] { return front.Open(); });
    Report(state, "open_ratio", best);
    if (front.SymbolList() != nullptr) {
        state.counters["rows"] = front.SymbolList()->Control()->GetItemCount();
    }
}
BENCHMARK(BM_OpenSymbolWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The symbol window, opened by an earlier benchmark or now; false, with the benchmark
// skipped, when it cannot be.
bool OpenedSymbolWindow(benchmark::State& state, Front& front) {
    if (!front.Ok() || (front.SymbolList() == nullptr && !front.Open())) {
        state.SkipWithError("no symbol window");
        return false;
    }
    return true;
}

void BM_ClickNameHeader(benchmark::State& state) {
    Front& front = TheFront();
    if (!OpenedSymbolWindow(state, front)) {
        return;
    }
    tarngui::ListView* view = front.SymbolList();
    QHeaderView* header = view->horizontalHeader();
    const QPoint onName(header->sectionViewportPosition(0) + 5, header->height() / 2);
    const double best = Best(
        state, [] {},
        [&] {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onName);
            front.Settle();
            return true;
        });
    Report(state, "header_click_ratio", best);
}
BENCHMARK(BM_ClickNameHeader)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_ScrollToEnd(benchmark::State& state) {
    Front& front = TheFront();
    if (!OpenedSymbolWindow(state, front)) {
        return;
    }
    tarngui::ListView* view = front.SymbolList();
    QScrollBar* bar = view->verticalScrollBar();
    const double best = Best(
        state,
        [&] {
            bar->triggerAction(QAbstractSlider::SliderToMinimum);
            front.Settle();
        },
        [&] {
            bar->triggerAction(QAbstractSlider::SliderToMaximum);
            front.Settle();
            return view->Control()->GetTopIndex() > 0;
        });
    Report(state, "scroll_end_ratio", best);
}
BENCHMARK(BM_ScrollToEnd)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    theFront.reset();
    benchmark::Shutdown();
    return 0;
}
