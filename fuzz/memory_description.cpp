// Reads the fuzz input as a memory resource description, plans and allocates ranges taken
// from the input, and checks that writing back loses no record and no resource and reads
// back as the model that wrote it.
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "src/data/AddressRangeOrder.h"
#include "src/data/AddressRanges.h"
#include "src/data/CMemoryMapInfo.h"
#include "tests/support/FakeMemoryHost.h"

namespace {

using Snapshot =
    std::tuple<std::string, std::string, std::string, std::vector<std::string>,
               std::vector<std::tuple<uint32_t, uint32_t, std::string>>, std::vector<std::string>,
               std::vector<std::tuple<uint32_t, uint32_t, std::string>>>;

Snapshot Take(const CMemoryMapInfo& model) {
    std::vector<std::tuple<uint32_t, uint32_t, std::string>> resources;
    for (const auto& r : model.GetResources()) {
        resources.emplace_back(r->startAddress, r->endAddress, r->access);
    }
    std::vector<std::tuple<uint32_t, uint32_t, std::string>> areas;
    for (const auto& a : model.GetAreas()) {
        areas.emplace_back(a->startAddress, a->endAddress, a->kind);
    }
    return {model.GetVersionRecord(),
            model.GetCpuTypeRecord(),
            model.GetMapRecord(),
            model.GetOtherRecords(),
            resources,
            model.GetUnreadResourceItems(),
            areas};
}

AddressRangeList ResourceRanges(const CMemoryMapInfo& model) {
    AddressRangeList ranges;
    for (const auto& r : model.GetResources()) {
        ranges.push_back({r->startAddress, r->endAddress});
    }
    return ranges;
}

uint32_t Word(const uint8_t* data, std::size_t size, std::size_t index) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | data[(index * 4 + i) % size];
    }
    return value;
}

bool Inside(const AddressRange& r, const AddressRangeList& ranges) {
    for (const AddressRange& x : ranges) {
        if (x.first <= r.first && r.last <= x.last) {
            return true;
        }
    }
    return false;
}

bool Meets(const AddressRange& r, const AddressRangeList& ranges) {
    for (const AddressRange& x : ranges) {
        if (x.first <= x.last && x.first <= r.last && r.first <= x.last) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0 || size > 16384) {
        return 0;
    }
    tarntest::FakeMemoryHost host(std::string(reinterpret_cast<const char*>(data), size));
    CMemoryMapInfo model(&host);
    model.Load();
    const Snapshot read = Take(model);

    // Used ranges: some from the input's bytes, some placed around the areas' boundaries.
    std::vector<uint32_t> starts, ends;
    const std::size_t words = std::min<std::size_t>(size / 4, 32);
    for (std::size_t i = 0; i + 1 < words; i += 2) {
        starts.push_back(Word(data, size, i));
        ends.push_back(Word(data, size, i + 1));
    }
    AddressRangeList areas;
    for (const auto& area : model.GetAreas()) {
        areas.push_back({area->startAddress, area->endAddress});
        const uint32_t shift = data[areas.size() % size];
        starts.push_back(area->startAddress - shift);
        ends.push_back(area->endAddress + shift);
    }

    const AddressRangeList before = ResourceRanges(model);
    const int planned = model.PlanAllocation(starts, ends);
    FuzzCheck(starts.size() == ends.size(), "planned lists differ in length");
    AddressRangeList plan;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        plan.push_back({starts[i], ends[i]});
        FuzzCheck(starts[i] <= ends[i], "planned range is empty");
        FuzzCheck(i == 0 || ends[i - 1] < starts[i], "planned ranges not ascending and disjoint");
        FuzzCheck(!Meets(plan.back(), before), "planned range overlaps a resource");
        if (planned != 0) {
            FuzzCheck(Inside(plan.back(), areas), "planned range not inside one area");
        }
    }
    for (std::size_t i = 0; i < model.GetOutsideStarts().size(); ++i) {
        const AddressRange outside{model.GetOutsideStarts()[i], model.GetOutsideEnds()[i]};
        FuzzCheck(planned == 0 || !Meets(outside, areas), "outside range meets an area");
    }
    if (planned == 0) {
        FuzzCheck(areas.empty(), "nothing planned although there are areas");
        return 0;
    }

    model.AllocateResources(starts, ends);
    FuzzCheck(host.events.size() == 1, "no event raised");
    FuzzCheck(host.memory.writes.size() == 1, "description not written");
    const std::string written = host.memory.text;

    // Every kept record appears in the written text.
    for (const std::string* record : {&std::get<0>(read), &std::get<1>(read), &std::get<2>(read)}) {
        FuzzCheck(written.find(*record) != std::string::npos, "kept record not written");
    }
    for (const std::string& record : std::get<3>(read)) {
        FuzzCheck(written.find(record) != std::string::npos, "other record not written");
    }

    // The resources after the allocation cover exactly the old ones and the planned ranges.
    AddressRangeList expected = before;
    expected.insert(expected.end(), plan.begin(), plan.end());
    const AddressRangeList wanted = SortAndMergeRanges(expected);
    const AddressRangeList got = SortAndMergeRanges(ResourceRanges(model));
    FuzzCheck(SubtractRanges(wanted, got).empty(), "resource coverage lost");
    FuzzCheck(SubtractRanges(got, wanted).empty(), "resource coverage invented");

    // Reading the written text back gives the model that wrote it.
    const Snapshot allocated = Take(model);
    model.Load();
    FuzzCheck(Take(model) == allocated, "written description reads back differently");
    return 0;
}
