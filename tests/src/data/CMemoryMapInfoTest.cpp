#include "src/data/CMemoryMapInfo.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/FakeMemoryHost.h"

namespace {

using tarntest::FakeMemoryHost;

constexpr const char* kTwoAreas =
    "[S|CPUTYPE|H8S/2600] [V|VERSION|1.00] "
    "[S|MAP|\"0,FFFF,ROM,0,0 10000,1FFFF,XRAM,0,0\"] [S|RESOURCE|]";

std::string ShowResources(const CMemoryMapInfo& model) {
    std::ostringstream out;
    out << std::hex << std::uppercase;
    for (const auto& resource : model.GetResources()) {
        out << resource->startAddress << '-' << resource->endAddress << ' ' << resource->access
            << ';';
    }
    return out.str();
}

// Reading descriptions and allocating through the command line are cases in tests/cases/memory;
// these tests look at what only the model shows: plans, outside ranges, events, host failures.
class MemoryMapTest : public testing::Test {
protected:
    void Load(const std::string& description) {
        host.memory.text = description;
        model.Load();
    }
    // Plans and, when there is something to plan, allocates, as the data manager does.
    int AutoAllocate(std::vector<uint32_t> starts, std::vector<uint32_t> ends) {
        const int planned = model.PlanAllocation(starts, ends);
        if (planned != 0) {
            model.AllocateResources(starts, ends);
        }
        return planned;
    }
    const std::string& Written() const { return host.memory.text; }

    FakeMemoryHost host;
    CMemoryMapInfo model{&host};
};

TEST_F(MemoryMapTest, LoadReplacesEverythingButTheOutsideRanges) {
    Load(kTwoAreas);
    EXPECT_EQ(AutoAllocate({0x20000}, {0x2FFFF}), 1);
    Load("[V|VERSION|2] [S|RESOURCE|0,F,R]");
    EXPECT_EQ(model.GetAreaCount(), 0);
    EXPECT_EQ(model.GetCpuTypeRecord(), "");
    EXPECT_EQ(model.GetMapRecord(), "");
    EXPECT_EQ(ShowResources(model), "0-F R;");
    EXPECT_EQ(model.GetOutsideStarts(), std::vector<uint32_t>{0x20000});
}

TEST_F(MemoryMapTest, MissingServiceOrFailedReadLeavesTheModelEmpty) {
    Load(kTwoAreas);
    host.offerMemory = false;
    model.Load();
    EXPECT_EQ(model.GetAreaCount(), 0);
    EXPECT_EQ(model.GetVersionRecord(), "");
    EXPECT_FALSE(model.IsLoaded());

    host.offerMemory = true;
    host.memory.readStatus = kStatusFail;
    model.Load();
    EXPECT_EQ(model.GetAreaCount(), 0);
    EXPECT_FALSE(model.IsLoaded());
}

TEST_F(MemoryMapTest, ContextStringsGoFirstToReadAndWrite) {
    model.SetContext(u"ws", u"proj", u"config");
    Load(kTwoAreas);
    const std::array<WString, 3> expected = {u"ws", u"proj", u"config"};
    EXPECT_EQ(host.memory.readContext, expected);
    model.AllocateResources({}, {});
    EXPECT_EQ(host.memory.writeContext, expected);
}

TEST_F(MemoryMapTest, PlanLeavesAscendingPiecesAndTheOutsideParts) {
    Load(kTwoAreas);
    std::vector<uint32_t> starts = {0xFF00, 0x1FF00, 0x0};
    std::vector<uint32_t> ends = {0x100FF, 0x200FF, 0x1FF};
    EXPECT_EQ(model.PlanAllocation(starts, ends), 1);
    EXPECT_EQ(starts, (std::vector<uint32_t>{0x0, 0xFF00, 0x10000, 0x1FF00}));
    EXPECT_EQ(ends, (std::vector<uint32_t>{0x1FF, 0xFFFF, 0x100FF, 0x1FFFF}));
    EXPECT_EQ(model.GetOutsideStarts(), std::vector<uint32_t>{0x20000});
    EXPECT_EQ(model.GetOutsideEnds(), std::vector<uint32_t>{0x200FF});
}

TEST_F(MemoryMapTest, NoAreasPlansNothingAndKeepsTheUncoveredRanges) {
    Load("[S|RESOURCE|\"100,1FF,R\"]");
    std::vector<uint32_t> starts = {0x0}, ends = {0x2FF};
    EXPECT_EQ(model.PlanAllocation(starts, ends), 0);
    EXPECT_EQ(starts, (std::vector<uint32_t>{0x0, 0x200}));
    EXPECT_EQ(ends, (std::vector<uint32_t>{0xFF, 0x2FF}));
    EXPECT_EQ(model.GetOutsideStarts(), starts);
    EXPECT_TRUE(host.memory.writes.empty());
}

TEST_F(MemoryMapTest, OnlyTextNeighboursJoin) {
    Load("[S|MAP|0,FFFF,ROM,0,0] [S|RESOURCE|\"0,FF,R 300,3FF,R\"]");
    EXPECT_EQ(AutoAllocate({0x100, 0x400}, {0x1FF, 0x4FF}), 1);
    // By text: 00000000, 00000300, 0X00000100, 0X00000400: no neighbours touch.
    EXPECT_EQ(ShowResources(model), "0-FF R;300-3FF R;100-1FF R;400-4FF R;");
    // Read back, every text has the host's form and the next allocation joins them.
    Load(Written());
    model.AllocateResources({}, {});
    EXPECT_EQ(ShowResources(model), "0-1FF R;300-4FF R;");
}

TEST_F(MemoryMapTest, EveryAllocationRaisesOneEventEvenWithoutTheService) {
    Load(kTwoAreas);
    model.AllocateResources({}, {});
    ASSERT_EQ(host.events.size(), 1u);
    EXPECT_EQ(host.events[0].first, kIdEventMemoryResourcesChanged1);
    EXPECT_EQ(host.events[0].second, 0);
    EXPECT_EQ(host.memory.writes.size(), 1u);

    host.offerMemory = false;
    model.AllocateResources({}, {});
    EXPECT_EQ(host.events.size(), 2u);
    EXPECT_EQ(host.memory.writes.size(), 1u);
}

TEST_F(MemoryMapTest, UnorderedOverlappingInputPlansLikeOrderedInput) {
    Load("[S|MAP|\"10000,1FFFF,XRAM,0,0 0,FFFF,ROM,0,0\"] [S|RESOURCE|\"180,27F,R 100,1FF,R\"]");
    std::vector<uint32_t> starts = {0xFF00, 0x0, 0x80, 0x10100, 0x300};
    std::vector<uint32_t> ends = {0x100FF, 0x1FF, 0x2FF, 0x101FF, 0x30F};
    EXPECT_EQ(model.PlanAllocation(starts, ends), 1);
    EXPECT_EQ(starts, (std::vector<uint32_t>{0x0, 0x280, 0xFF00, 0x10000}));
    EXPECT_EQ(ends, (std::vector<uint32_t>{0xFF, 0x30F, 0xFFFF, 0x101FF}));
}

TEST_F(MemoryMapTest, WithoutValueConversionNothingIsLostOnWritingBack) {
    host.offerConversion = false;
    CMemoryMapInfo unconverted(&host);
    host.memory.text = "[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|\"0,F,R 10,1F,R/W\"]";
    unconverted.Load();
    EXPECT_EQ(unconverted.GetAreaCount(), 0);
    unconverted.AllocateResources({}, {});
    EXPECT_EQ(Written(), "[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|\"0,F,R 10,1F,R/W\"]");
}

TEST_F(MemoryMapTest, FailedReadIsNeverOverwritten) {
    host.memory.text = kTwoAreas;
    host.memory.readStatus = kStatusFail;
    model.Load();
    model.AllocateResources({0x0}, {0xFF});
    EXPECT_TRUE(host.memory.writes.empty());
    EXPECT_EQ(Written(), kTwoAreas);
    EXPECT_EQ(host.events.size(), 1u);
}

}  // namespace
