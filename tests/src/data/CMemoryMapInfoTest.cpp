#include "src/data/CMemoryMapInfo.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/FakeMemoryHost.h"

namespace {

using tarntest::FakeMemoryHost;

constexpr const char* kTwoAreas =
    "[S|CPUTYPE|H8S/2600] [V|VERSION|1.00] "
    "[S|MAP|\"0,FFFF,ROM,0,0 10000,1FFFF,XRAM,0,0\"] [S|RESOURCE|]";

std::string ShowAreas(const CMemoryMapInfo& model) {
    std::ostringstream out;
    out << std::hex << std::uppercase;
    for (const auto& area : model.GetAreas()) {
        out << area->startAddress << '-' << area->endAddress << ' ' << area->kind << ';';
    }
    return out.str();
}

std::string ShowResources(const CMemoryMapInfo& model) {
    std::ostringstream out;
    out << std::hex << std::uppercase;
    for (const auto& resource : model.GetResources()) {
        out << resource->startAddress << '-' << resource->endAddress << ' ' << resource->access
            << ';';
    }
    return out.str();
}

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

TEST_F(MemoryMapTest, ReadsAreasKindsAndKeptRecords) {
    Load(kTwoAreas);
    EXPECT_EQ(ShowAreas(model), "0-FFFF On-Chip ROM;10000-1FFFF On-Chip RAM;");
    EXPECT_TRUE(model.GetResources().empty());
    EXPECT_EQ(model.GetCpuTypeRecord(), "[S|CPUTYPE|H8S/2600]");
    EXPECT_EQ(model.GetVersionRecord(), "[V|VERSION|1.00]");
    EXPECT_EQ(model.GetMapRecord(), "[S|MAP|\"0,FFFF,ROM,0,0 10000,1FFFF,XRAM,0,0\"]");
    EXPECT_TRUE(model.GetOtherRecords().empty());
}

TEST_F(MemoryMapTest, KindWordsIgnoreCaseAndUnknownWordsAreExternal) {
    Load("[S|MAP|0,FF,rom,0,0 100,1FF,Flash,0,0 200,2FF,i/o,0,0 300,3FF,Reserve,x,y]");
    EXPECT_EQ(ShowAreas(model), "0-FF On-Chip ROM;100-1FF External;200-2FF I/O;300-3FF Reserve;");
}

TEST_F(MemoryMapTest, ReadsResourcesAndSkipsItemsWithTheWrongFieldCount) {
    Load(
        "[S|MAP|\"0,FF,ROM,0,0 100,1FF,RAM,0 200,2FF,RAM,0,0,0\"] "
        "[S|RESOURCE|\"0,F,R 10,1F 20,2F,R/W,x 30,,3F,R/W\"]");
    EXPECT_EQ(ShowAreas(model), "0-FF On-Chip ROM;");
    EXPECT_EQ(ShowResources(model), "0-F R;30-3F R/W;");
}

TEST_F(MemoryMapTest, ItemWhoseAddressDoesNotConvertIsSkippedAndTheRestRead) {
    Load(
        "[S|MAP|\"0,FF,ROM,0,0 G0,1FF,RAM,0,0 200,123456789,RAM,0,0 300,3FF,RAM,0,0\"] "
        "[S|RESOURCE|\"zz,F,R 10,1F,R/W\"]");
    EXPECT_EQ(ShowAreas(model), "0-FF On-Chip ROM;300-3FF On-Chip RAM;");
    EXPECT_EQ(ShowResources(model), "10-1F R/W;");
    EXPECT_EQ(model.GetUnreadResourceItems(), std::vector<std::string>{"zz,F,R"});
}

TEST_F(MemoryMapTest, OtherAndRepeatedRecordsAreKeptInOrder) {
    Load(
        "[X|ONE|a] [V|VERSION|1] [S|MAP|0,FF,ROM,0,0] [V|VERSION|2] [S|MAP|100,1FF,RAM,0,0] "
        "[S|CPUTYPE|A] [S|CPUTYPE|B] [s|map|200,2FF,RAM,0,0]");
    EXPECT_EQ(model.GetVersionRecord(), "[V|VERSION|1]");
    EXPECT_EQ(model.GetCpuTypeRecord(), "[S|CPUTYPE|A]");
    EXPECT_EQ(model.GetMapRecord(), "[S|MAP|0,FF,ROM,0,0]");
    EXPECT_EQ(model.GetOtherRecords(),
              (std::vector<std::string>{"[X|ONE|a]", "[V|VERSION|2]", "[S|MAP|100,1FF,RAM,0,0]",
                                        "[S|CPUTYPE|B]", "[s|map|200,2FF,RAM,0,0]"}));
    // Areas come from every map record; the lower-case tag is not one.
    EXPECT_EQ(ShowAreas(model), "0-FF On-Chip ROM;100-1FF On-Chip RAM;");
}

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

TEST_F(MemoryMapTest, AllocatesInsideAreasCutAtTheirBoundaries) {
    Load(kTwoAreas);
    EXPECT_EQ(AutoAllocate({0x0, 0xFF00, 0x20000}, {0x1FF, 0x100FF, 0x2FFFF}), 1);
    EXPECT_EQ(ShowResources(model), "0-1FF R;FF00-FFFF R;10000-100FF R/W;");
    EXPECT_EQ(Written(),
              "[V|VERSION|1.00] [S|CPUTYPE|H8S/2600] "
              "[S|MAP|\"0,FFFF,ROM,0,0 10000,1FFFF,XRAM,0,0\"] "
              "[S|RESOURCE|\"00000000,000001FF,R 0000FF00,0000FFFF,R 00010000,000100FF,R/W\"]");
    EXPECT_EQ(model.GetOutsideStarts(), std::vector<uint32_t>{0x20000});
    EXPECT_EQ(model.GetOutsideEnds(), std::vector<uint32_t>{0x2FFFF});
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

TEST_F(MemoryMapTest, AllocationTable) {
    const struct {
        const char* name;
        std::string description;
        std::vector<uint32_t> starts, ends;
        std::string resources;
        std::vector<uint32_t> outsideStarts;
    } cases[] = {
        // clang-format off
        {"covered range adds nothing", "[S|MAP|0,FFFF,ROM,0,0] [S|RESOURCE|\"0,FFF,R\"]",
         {0x100}, {0x1FF}, "0-FFF R;", {}},
        // Existing texts ("00000100") sort before new ones ("0x00000080").
        {"partly covered range adds the rest", "[S|MAP|0,FFFF,RAM,0,0] [S|RESOURCE|\"100,1FF,R\"]",
         {0x80}, {0x2FF}, "100-1FF R;80-FF R/W;200-2FF R/W;", {}},
        // By text: 00000000, 0X00000100, 0X0FFFFF00, 10000000.
        {"host and new texts join as text neighbours",
         "[S|MAP|\"0,FFFFFFF,ROM,0,0 10000000,1FFFFFFF,ROM,0,0\"] "
         "[S|RESOURCE|\"0,FF,R 10000000,100000FF,R\"]",
         {0x100, 0xFFFFF00}, {0x1FF, 0xFFFFFFF}, "0-1FF R;FFFFF00-100000FF R;", {}},
        {"overlapping areas lose and repeat nothing", "[S|MAP|\"0,FFF,ROM,0,0 800,17FF,RAM,0,0\"]",
         {0x0}, {0x1FFF}, "0-FFF R;1000-17FF R/W;", {0x1800}},
        // The first area in description order that holds a piece decides its access.
        {"first holding area decides", "[S|MAP|\"800,17FF,RAM,0,0 0,FFF,ROM,0,0 0,1FFF,RAM,0,0\"]",
         {0x0}, {0x1FFF}, "0-7FF R;800-1FFF R/W;", {}},
        {"lists of different length use the common part", "[S|MAP|0,FFFF,ROM,0,0]", {0x0, 0x200},
         {0xFF}, "0-FF R;", {}},
        {"areas at both ends of the space", "[S|MAP|\"0,FF,ROM,0,0 FFFFFF00,FFFFFFFF,RAM,0,0\"]",
         {0x0}, {0xFFFFFFFFu}, "0-FF R;FFFFFF00-FFFFFFFF R/W;", {0x100}},
        // clang-format on
    };
    for (const auto& c : cases) {
        Load(c.description);
        EXPECT_EQ(AutoAllocate(c.starts, c.ends), 1) << c.name;
        EXPECT_EQ(ShowResources(model), c.resources) << c.name;
        EXPECT_EQ(model.GetOutsideStarts(), c.outsideStarts) << c.name;
    }
    EXPECT_EQ(model.GetOutsideEnds(), std::vector<uint32_t>{0xFFFFFEFFu});  // of the last row
}

// Each description is written back as given (or with the new resources), and reading that text
// back and writing again changes nothing.
TEST_F(MemoryMapTest, WritesBackEveryRecordAndReadsBackTheSame) {
    const struct {
        const char* name;
        std::string description;
        std::vector<uint32_t> starts, ends;
        std::string written;
    } cases[] = {
        // clang-format off
        {"records kept, map before resources",
         "[S|CPUTYPE|X] [FOO|bar] [V|VERSION|2] [S|RESOURCE|\"0,F,R\"] [S|MAP|\"0,FF,ROM,0,0\"] "
         "[ZZZ]", {}, {},
         "[V|VERSION|2] [S|CPUTYPE|X] [S|MAP|\"0,FF,ROM,0,0\"] "
         "[S|RESOURCE|\"00000000,0000000F,R\"] [FOO|bar] [ZZZ]"},
        {"touching new resources join only with the same access",
         "[S|MAP|\"0,FF,ROM,0,0 100,1FF,ROM,0,0 200,2FF,RAM,0,0\"]", {0x0, 0x100, 0x200},
         {0xFF, 0x1FF, 0x2FF},
         "[S|MAP|\"0,FF,ROM,0,0 100,1FF,ROM,0,0 200,2FF,RAM,0,0\"] "
         "[S|RESOURCE|\"00000000,000001FF,R 00000200,000002FF,R/W\"]"},
        {"outside every area is read-write", "[S|MAP|0,FF,ROM,0,0]", {0x1000}, {0x10FF},
         "[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|\"00001000,000010FF,R/W\"]"},
        {"record without closing bracket", "[V|VERSION|1] [S|MAP|\"0,FF,ROM,0,0\"", {0x0}, {0xF},
         "[V|VERSION|1] [S|MAP|\"0,FF,ROM,0,0\"] [S|RESOURCE|\"00000000,0000000F,R\"]"},
        {"text before the first bracket", "junk text [S|MAP|0,FF,ROM,0,0] [S|RESOURCE|\"0,F,R\"]",
         {}, {}, "[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|\"00000000,0000000F,R\"] [junk text]"},
        {"empty description", "", {0x10}, {0x1F}, "[S|RESOURCE|\"00000010,0000001F,R/W\"]"},
        {"no map record gains no empty entry", "[V|VERSION|1] [S|RESOURCE|\"0,F,R\"] [X|Y|z]", {},
         {}, "[V|VERSION|1] [S|RESOURCE|\"00000000,0000000F,R\"] [X|Y|z]"},
        {"second map record", "[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|] [S|MAP|100,1FF,RAM,0,0]", {}, {},
         "[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|\"\"] [S|MAP|100,1FF,RAM,0,0]"},
        {"unreadable resource items", "[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|\"0,F,R 20,2F zz,3F,R/W\"]",
         {0x10}, {0x1F},
         "[S|MAP|0,FF,ROM,0,0] [S|RESOURCE|\"00000000,0000001F,R 20,2F zz,3F,R/W\"]"},
        // clang-format on
    };
    for (const auto& c : cases) {
        Load(c.description);
        model.AllocateResources(c.starts, c.ends);
        EXPECT_EQ(Written(), c.written) << c.name;
        const std::string areas = ShowAreas(model), resources = ShowResources(model);
        Load(c.written);
        EXPECT_EQ(ShowAreas(model), areas) << c.name;
        EXPECT_EQ(ShowResources(model), resources) << c.name;
        model.AllocateResources({}, {});
        EXPECT_EQ(Written(), c.written) << c.name;
    }
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
