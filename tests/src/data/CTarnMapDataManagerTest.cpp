// The data manager against the substitute host: context distribution, sorting by window type
// and when the automatic allocation writes nothing (what it writes: tests/cases/memory).
#include <gtest/gtest.h>

#include <filesystem>

#include "host/lib/SubstituteHost.h"
#include "src/data/CTarnMapDataManager.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using tarnhost::Contexts;
using tarnhost::SubstituteHost;
using tarnhost::TempDir;

constexpr const char* kListing =
    "*** Mapping List ***\n"
    "SECTION START END SIZE ALIGN\n"
    "P\n  00000100 000001FF 100 4\n"
    "B\n  00010000 0001007F 80 4\n"
    "*** Symbol List ***\n"
    "SECTION=P\nFILE=/src/a.obj\nskip\n"
    "zeta\n  00000100 10 func,g 0\n"
    "alpha\n  00000180 20 func,l 0\n"
    "SECTION=B\nFILE=/src/b.obj\nskip\n"
    "buf\n  00010000 80 data,g 0\n";

class DataManager : public ::testing::Test {
protected:
    void Open(const std::string& memory) {
        dir_.Write("app.map", kListing);
        const std::string path =
            dir_.Write("app.tarnws",
                       "[workspace]\nname = W\n[project]\nname = P\n[configuration]\n"
                       "name = Debug\n[device]\nname = DEV\n[linker]\nmap = app.map\n"
                       "capabilities = 0x3D\n[group]\naddress = 100\nsections = P\n"
                       "[memory]\ndescription = " +
                           memory + "\n");
        std::string error;
        auto workspace = tarnhost::Workspace::Open(path, &error);
        ASSERT_NE(workspace, nullptr) << error;
        SubstituteHost::Options options;
        options.configDir = dir_ / "config";
        host_ = std::make_unique<SubstituteHost>(std::move(workspace), options);
        data_ = std::make_unique<CTarnMapDataManager>(host_->Host());
    }
    void GiveContext() {
        const Contexts c = host_->ContextStrings();
        data_->SetContext(c.workspace, c.project, c.config, c.device);
    }
    std::vector<std::string> SymbolNames() {
        LinkMapSymbolRows rows;
        data_->GetSymbols(0, data_->GetSymbolCount(""), "", rows);
        std::vector<std::string> names;
        for (const auto& row : rows)
            names.push_back(row->name);
        CTarnMapDataManager::FreeSymbolRows(rows);
        return names;
    }

    TempDir dir_;
    std::unique_ptr<SubstituteHost> host_;
    std::unique_ptr<CTarnMapDataManager> data_;
};

constexpr const char* kTwoAreas =
    "[V|VERSION|1] [S|MAP|\"0,FFFF,ROM,0,0 10000,1FFFF,RAM,0,0\"] [S|RESOURCE|]";

TEST_F(DataManager, EachModelGetsItsContextStrings) {
    Open(kTwoAreas);
    GiveContext();
    data_->LoadLinkMap();
    data_->LoadLinkerSections();
    data_->LoadMemoryMap();
    // The host answers only calls that carry the right strings, so every load succeeding shows
    // the link map and linker sections got the third string and the memory map the fourth.
    EXPECT_EQ(data_->GetSectionCount(), 5);
    LinkerSectionRows groups;
    EXPECT_EQ(data_->GetLinkerSections(groups), 1);
    EXPECT_EQ(data_->GetMemoryAreaCount(), 2);

    // Third and fourth swapped: nothing loads.
    const Contexts c = host_->ContextStrings();
    data_->SetContext(c.workspace, c.project, c.device, c.config);
    data_->LoadLinkMap();
    data_->LoadLinkerSections();
    data_->LoadMemoryMap();
    EXPECT_EQ(data_->GetSectionCount(), 0);
    EXPECT_EQ(data_->GetLinkerSections(groups), 0);
    EXPECT_EQ(data_->GetMemoryAreaCount(), 0);
}

TEST_F(DataManager, SortsOnlyTheListsBehindTheirWindowTypes) {
    Open(kTwoAreas);
    GiveContext();
    data_->LoadLinkMap();
    const std::vector<std::string> fileOrder = {"zeta", "alpha", "buf"};
    for (int type : {0, 2, 4, -1}) {
        data_->Sort(type, 0, 0);
        EXPECT_EQ(SymbolNames(), fileOrder) << "window type " << type;
    }
    data_->Sort(kWindowTypeSectionList, 0, 0);
    EXPECT_EQ(SymbolNames(), fileOrder);
    data_->Sort(kWindowTypeSymbolList, 0, 0);
    EXPECT_EQ(SymbolNames(), (std::vector<std::string>{"alpha", "buf", "zeta"}));
    data_->Sort(kWindowTypeSectionList, 0, 1);
    LinkMapSectionRows rows;
    data_->GetSections(0, data_->GetSectionCount(), rows);
    EXPECT_EQ(rows.front()->name, "Unallocated Area");
    EXPECT_EQ(rows.back()->name, "B");
}

// Without section rows (the link map never loaded) or without areas nothing is written.
TEST_F(DataManager, AutoAllocateWithoutSectionsOrAreasWritesNothing) {
    for (const char* memory : {kTwoAreas, "[V|VERSION|1] [S|RESOURCE|]"}) {
        Open(memory);
        GiveContext();
        if (memory != kTwoAreas)
            data_->LoadLinkMap();
        data_->LoadMemoryMap();
        data_->AutoAllocate();
        EXPECT_TRUE(host_->HostObject().RaisedEvents().empty()) << memory;
        EXPECT_EQ(host_->OpenWorkspace()->MemoryDescription(), memory);
    }
}

}  // namespace
