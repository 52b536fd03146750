// The section setting tree with 2,000 groups of 20 sections: building the tree from the model
// and committing it back (validation, the entries, the host pulling every group), each shown
// as a ratio to LoadLinkerSections of the same groups from the in-memory host, measured in the
// same run, beside its goal. LoadLinkerSections through the substitute host (which reads the
// groups from its workspace) is shown against the same yardstick. Times are processor times
// (the manual time column), which stay comparable on a busy machine.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/BenchFigures.h"
#include "host/lib/SubstituteHost.h"
#include "platform/text/Utf.h"
#include "src/data/CTarnMapDataManager.h"
#include "src/editor/CSectionTreeNodes.h"
#include "src/editor/SectionTreeCommit.h"
#include "src/shell/HostIds.h"

namespace {

constexpr int kGroups = 2000;
constexpr int kSectionsPerGroup = 20;

// Sixteen sections in a row, a partial overlay of two, and two more.
std::string GroupSections(int group) {
    const std::string prefix = "G" + std::to_string(group) + "_";
    std::string text;
    for (int s = 0; s < kSectionsPerGroup; ++s) {
        const std::string name = prefix + std::to_string(s);
        if (s == 16) {
            text += ",(" + name;
        } else if (s == 17) {
            text += ":" + name + ")";
        } else {
            text += (s > 0 ? "," : "") + name;
        }
    }
    return text;
}

// The host's linker services held in memory: groups in whole-text form, pulled back through
// IBraeLinkerSections on a commit as the real host does, without any file. The baseline then
// measures the model's own reading, not the host's.
class MemoryLinkerServices final : public IBraeLinkerSettings, public IBraeLinkerOptions {
public:
    struct Group {
        WString start;
        WString sections;
    };
    std::vector<Group> groups;

    HResult QueryInterface(const TarnId&, void** out) override {
        *out = nullptr;
        return kStatusNoInterface;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }

    HResult GetGroupCount(const WString&, const WString&, const WString&, int32_t* n) override {
        *n = static_cast<int32_t>(groups.size());
        return kStatusOk;
    }
    HResult GetAddressCount(const WString&, const WString&, const WString&, int32_t,
                            int32_t* n) override {
        *n = 1;
        return kStatusOk;
    }
    HResult GetAddressPair(const WString&, const WString&, const WString&, int32_t g, int32_t,
                           WString* start, WString* end) override {
        *start = groups.at(static_cast<size_t>(g) - 1).start;
        end->clear();
        return kStatusOk;
    }
    HResult GetItemCount(const WString&, const WString&, const WString&, int32_t,
                         int32_t* n) override {
        *n = 1;
        return kStatusOk;
    }
    HResult GetItem(const WString&, const WString&, const WString&, int32_t g, int32_t,
                    HostStringList* names) override {
        names->elements = {groups.at(static_cast<size_t>(g) - 1).sections};
        return kStatusOk;
    }
    HResult GetMapListingPath(const WString&, const WString&, const WString&, WString*) override {
        return kStatusFail;
    }
    HResult TakeSectionSettings(const WString&, const WString&, const WString&,
                                IBraeLinkerSections* sections) override {
        int32_t count = 0;
        sections->GetGroupCount(&count);
        std::vector<Group> taken(static_cast<size_t>(count));
        for (int32_t g = 1; g <= count; ++g) {
            WString end;
            HostStringList names;
            if (Failed(sections->GetAddress(g, 1, &taken[g - 1].start, &end)) ||
                Failed(sections->GetItem(g, 1, &names)) || names.elements.empty()) {
                return kStatusFail;
            }
            taken[g - 1].sections = names.elements.front();
        }
        groups = std::move(taken);
        return kStatusOk;
    }
    HResult GetCapabilities(const WString&, const WString&, uint32_t* word,
                            uint32_t* second) override {
        *word = 0x3F;
        *second = 0;
        return kStatusOk;
    }
    HResult GetSettingState(const WString&, const WString&, const WString&,
                            int32_t* state) override {
        *state = 0;
        return kStatusOk;
    }
};

class MemoryHost final : public IBraeHost {
public:
    HResult QueryInterface(const TarnId&, void** out) override {
        *out = static_cast<IBraeHost*>(this);
        return kStatusOk;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 0; }
    HResult RaiseEvent(const TarnId&, int32_t) override { return kStatusOk; }
    HResult Advise(const TarnId&, IUnknown*) override { return kStatusOk; }
    HResult Unadvise(const TarnId&, IUnknown*) override { return kStatusOk; }
    HResult GetService(const TarnId& id, void** out) override {
        *out = id == kIdValueConversionService
                   ? static_cast<void*>(static_cast<IBraeValueConversion*>(&values))
               : id == kIdLinkerSettingService
                   ? static_cast<void*>(static_cast<IBraeLinkerSettings*>(&linker))
               : id == kIdLinkerOptionService
                   ? static_cast<void*>(static_cast<IBraeLinkerOptions*>(&linker))
                   : nullptr;
        return *out != nullptr ? kStatusOk : kStatusNoInterface;
    }

    tarnhost::ValueConversionService values;
    MemoryLinkerServices linker;
};

std::string AddressText(int group) {
    char address[16];
    std::snprintf(address, sizeof address, "%08X", 0x1000 * group);
    return address;
}

// One data manager over the in-memory host, one over the substitute host with a workspace
// file, both holding the same groups.
class SettingsBench {
public:
    SettingsBench() {
        for (int g = 0; g < kGroups; ++g) {
            memoryHost_.linker.groups.push_back(
                {tarnui::Utf8ToUtf16(AddressText(g)), tarnui::Utf8ToUtf16(GroupSections(g))});
        }
        memoryData_ = std::make_unique<CTarnMapDataManager>(&memoryHost_);
        memoryData_->SetContext(u"Bench", u"p", u"c", u"d");
        uint32_t word = 0;
        uint32_t second = 0;
        memoryData_->GetLinkerOptionFlags(&word, &second);
        caps_ = SectionCapabilities::FromWord(word);
        memoryData_->LoadLinkerSections();

        dir_ = std::filesystem::temp_directory_path() /
               ("tarn-bench-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        const std::string path = (dir_ / "big.tarnws").string();
        std::ofstream file(path);
        file << "[workspace]\nname = Bench\n[project]\nname = p\n[configuration]\nname = c\n"
                "[device]\nname = d\n[linker]\nmap = none.map\ncapabilities = 0x3F\n";
        for (int g = 0; g < kGroups; ++g) {
            file << "[group]\naddress = " << AddressText(g) << "\nsections = " << GroupSections(g)
                 << "\n";
        }
        file.close();
        std::string error;
        fileHost_ = std::make_unique<tarnhost::SubstituteHost>(
            tarnhost::Workspace::Open(path, &error), tarnhost::SubstituteHost::Options{});
        fileData_ = std::make_unique<CTarnMapDataManager>(fileHost_->Host());
        const tarnhost::Contexts contexts = fileHost_->ContextStrings();
        fileData_->SetContext(contexts.workspace, contexts.project, contexts.config,
                              contexts.device);
    }
    ~SettingsBench() { std::filesystem::remove_all(dir_); }

    // Processor seconds per LoadLinkerSections from the in-memory host, the best of a few runs.
    double LoadSeconds() {
        return benchsupport::BestSeconds(5, [this] { memoryData_->LoadLinkerSections(); });
    }

    void BuildTree(CSectionTreeNodes& nodes) {
        LinkerSectionRows rows;
        memoryData_->GetLinkerSections(rows);
        nodes.Rebuild(rows, "Linker section setting");
        CTarnMapDataManager::FreeLinkerSectionRows(rows);
    }

    // Validates and collects the tree and hands it to the model, which offers it to the host.
    bool Commit(const CSectionTreeNodes& nodes, bool toFile) {
        CTarnMapDataManager& data = toFile ? *fileData_ : *memoryData_;
        LinkerSectionRows rows;
        if (ValidateSectionTree(nodes, &memoryHost_.values) != 0 ||
            CollectSectionEntries(nodes, &memoryHost_.values, rows) != 0) {
            return false;
        }
        return data.SetLinkerSections(std::move(rows)) != 0;
    }

    CTarnMapDataManager& Data(bool fromFile) { return fromFile ? *fileData_ : *memoryData_; }
    const SectionCapabilities& Caps() const { return caps_; }

private:
    MemoryHost memoryHost_;
    std::unique_ptr<CTarnMapDataManager> memoryData_;
    std::filesystem::path dir_;
    std::unique_ptr<tarnhost::SubstituteHost> fileHost_;
    std::unique_ptr<CTarnMapDataManager> fileData_;
    SectionCapabilities caps_;
};

SettingsBench& Bench() {
    static SettingsBench bench;
    return bench;
}

// Goal: building and committing the tree each take at most this many LoadLinkerSections.
constexpr double kGoalRatio = 3.0;

// Runs the work once per iteration, timing it in processor seconds; returns the best.
template <typename Work>
double TimeIterations(benchmark::State& state, Work work) {
    double best = 1e9;
    for (auto _ : state) {
        const double start = benchsupport::CpuSeconds();
        if (!work()) {
            state.SkipWithError("the host did not take the settings");
            break;
        }
        const double took = benchsupport::CpuSeconds() - start;
        state.SetIterationTime(took);
        best = std::min(best, took);
    }
    return best;
}

void ShowRatio(benchmark::State& state, const char* name, double seconds, double goal) {
    const double loadSeconds = Bench().LoadSeconds();
    state.counters["load_ms"] = loadSeconds * 1e3;
    state.counters["groups"] = kGroups;
    if (goal > 0) {
        benchsupport::ReportGoal(state, name, seconds / loadSeconds, goal);
    } else {
        state.counters[name] = seconds / loadSeconds;
    }
}

// Arg 0: the in-memory host; 1: the substitute host, reading its workspace's groups.
void BM_LoadLinkerSections(benchmark::State& state) {
    CTarnMapDataManager& data = Bench().Data(state.range(0) != 0);
    const double best = TimeIterations(state, [&data] {
        data.LoadLinkerSections();
        return true;
    });
    ShowRatio(state, "ratio_to_load", best, 0);
}

void BM_BuildSettingTree(benchmark::State& state) {
    SettingsBench& bench = Bench();
    tarnui::TreeControl tree;
    CSectionTreeNodes nodes(tree, bench.Caps());
    const double best = TimeIterations(state, [&] {
        bench.BuildTree(nodes);
        return true;
    });
    ShowRatio(state, "build_ratio", best, kGoalRatio);
    state.counters["items"] = tree.GetCount();
}

// Arg 0: the in-memory host takes the groups; 1: the substitute host also rewrites its file.
void BM_CommitSettingTree(benchmark::State& state) {
    SettingsBench& bench = Bench();
    tarnui::TreeControl tree;
    CSectionTreeNodes nodes(tree, bench.Caps());
    bench.BuildTree(nodes);
    const bool toFile = state.range(0) != 0;
    const double best = TimeIterations(state, [&] { return bench.Commit(nodes, toFile); });
    ShowRatio(state, toFile ? "commit_file_ratio" : "commit_ratio", best, toFile ? 0 : kGoalRatio);
}

BENCHMARK(BM_LoadLinkerSections)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_BuildSettingTree)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_CommitSettingTree)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
