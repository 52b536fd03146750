#include "src/data/CMemoryMapInfo.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>

#include "platform/text/Utf.h"
#include "src/data/AddressRangeOrder.h"
#include "src/data/AddressRanges.h"
#include "src/data/ContainingAreaLookup.h"
#include "src/data/MemoryAreaKind.h"
#include "src/data/MemoryDescriptionText.h"
#include "src/data/ResourceEntryList.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"

namespace {

constexpr std::size_t kMapItemFields = 5;
constexpr std::size_t kResourceItemFields = 3;
constexpr int32_t kRadix = 16;

AddressRangeList RangesFromLists(const std::vector<uint32_t>& starts,
                                 const std::vector<uint32_t>& ends) {
    const std::size_t count = std::min(starts.size(), ends.size());
    AddressRangeList ranges;
    ranges.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        ranges.push_back({starts[i], ends[i]});
    }
    return ranges;
}

void RangesToLists(const AddressRangeList& ranges, std::vector<uint32_t>& starts,
                   std::vector<uint32_t>& ends) {
    starts.clear();
    ends.clear();
    starts.reserve(ranges.size());
    ends.reserve(ranges.size());
    for (const AddressRange& range : ranges) {
        starts.push_back(range.first);
        ends.push_back(range.last);
    }
}

}  // namespace

CMemoryMapInfo::CMemoryMapInfo(IBraeHost* host)
    : host_(host),
      conversion_(GetHostService<IBraeValueConversion>(host, kIdValueConversionService)) {}

void CMemoryMapInfo::SetContext(const WString& context1, const WString& context2,
                                const WString& context3) {
    context1_ = context1;
    context2_ = context2;
    context3_ = context3;
}

int32_t CMemoryMapInfo::GetAreaCount() const {
    return static_cast<int32_t>(areas_.size());
}

void CMemoryMapInfo::Clear() {
    areas_.clear();
    resources_.clear();
    unreadResourceItems_.clear();
    versionRecord_.clear();
    cpuTypeRecord_.clear();
    mapRecord_.clear();
    otherRecords_.clear();
    loaded_ = false;
}

void CMemoryMapInfo::Load() {
    Clear();
    auto* service = GetHostService<IBraeMemoryResources>(host_, kIdMemoryResourceService);
    if (service == nullptr) {
        return;
    }
    WString description;
    if (Failed(service->ReadDescription(context1_, context2_, context3_, &description))) {
        return;
    }
    loaded_ = true;
    // The first map, version and CPU type records are the kept ones; a repeated one is kept
    // among the other records so that writing back loses nothing.
    for (std::string& record : CutDescriptionRecords(tarnui::Utf16ToUtf8(description))) {
        switch (ClassifyRecord(record)) {
            case DescriptionRecordKind::kMap:
                ReadMapRecord(record);
                if (mapRecord_.empty()) {
                    mapRecord_ = std::move(record);
                } else {
                    otherRecords_.push_back(std::move(record));
                }
                break;
            case DescriptionRecordKind::kResource:
                ReadResourceRecord(record);
                break;
            case DescriptionRecordKind::kVersion:
                (versionRecord_.empty() ? versionRecord_ : otherRecords_.emplace_back()) =
                    std::move(record);
                break;
            case DescriptionRecordKind::kCpuType:
                (cpuTypeRecord_.empty() ? cpuTypeRecord_ : otherRecords_.emplace_back()) =
                    std::move(record);
                break;
            case DescriptionRecordKind::kOther:
                otherRecords_.push_back(std::move(record));
                break;
        }
    }
}

bool CMemoryMapInfo::ToAddress(const std::string& text, uint32_t* value) const {
    return conversion_ != nullptr &&
           Succeeded(conversion_->TextToAddress(tarnui::Utf8ToUtf16(text), kRadix, value));
}

std::string CMemoryMapInfo::AddressText(uint32_t value) const {
    WString text;
    if (conversion_ != nullptr && Succeeded(conversion_->AddressToText(value, 0, -1, 0, &text)) &&
        !text.empty()) {
        return tarnui::Utf16ToUtf8(text);
    }
    // Without the host's text the value is still written readably, never left out.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08X", static_cast<unsigned>(value));
    return buffer;
}

void CMemoryMapInfo::ReadMapRecord(const std::string& record) {
    for (const DescriptionItem& item : RecordItems(record, kRecordTagMap)) {
        if (item.fields.size() != kMapItemFields) {
            continue;
        }
        auto area = std::make_unique<tagMapInfo>();
        if (!ToAddress(item.fields[0], &area->startAddress) ||
            !ToAddress(item.fields[1], &area->endAddress)) {
            continue;
        }
        area->kind = AreaKindName(item.fields[2]);
        areas_.push_back(std::move(area));
    }
}

void CMemoryMapInfo::ReadResourceRecord(const std::string& record) {
    for (DescriptionItem& item : RecordItems(record, kRecordTagResource)) {
        auto resource = std::make_unique<tagResourceInfo>();
        if (item.fields.size() == kResourceItemFields &&
            ToAddress(item.fields[0], &resource->startAddress) &&
            ToAddress(item.fields[1], &resource->endAddress)) {
            resource->access = std::move(item.fields[2]);
            resources_.push_back(std::move(resource));
        } else {
            unreadResourceItems_.push_back(std::move(item.text));
        }
    }
}

int CMemoryMapInfo::PlanAllocation(std::vector<uint32_t>& usedStarts,
                                   std::vector<uint32_t>& usedEnds) {
    // The range operations need ascending lists without overlaps; the used ranges come in
    // the order of the section rows and the areas and resources in description order.
    AddressRangeList used = SortAndMergeRanges(RangesFromLists(usedStarts, usedEnds));

    AddressRangeList covered;
    covered.reserve(resources_.size());
    for (const auto& resource : resources_) {
        covered.push_back({resource->startAddress, resource->endAddress});
    }
    if (!covered.empty()) {
        used = SubtractRanges(used, SortAndMergeRanges(std::move(covered)));
    }

    AddressRangeList areaRanges;
    areaRanges.reserve(areas_.size());
    for (const auto& area : areas_) {
        areaRanges.push_back({area->startAddress, area->endAddress});
    }

    AddressRangeList outside = used;
    int planned = 0;
    if (!areaRanges.empty()) {
        const AddressRangeList pieces = CutAreasIntoPieces(areaRanges);
        outside = SubtractRanges(outside, pieces);
        used = SubtractRanges(used, outside);
        used = IntersectRanges(used, pieces);
        planned = 1;
    }
    RangesToLists(outside, outsideStarts_, outsideEnds_);
    RangesToLists(used, usedStarts, usedEnds);
    return planned;
}

void CMemoryMapInfo::AllocateResources(const std::vector<uint32_t>& starts,
                                       const std::vector<uint32_t>& ends) {
    std::vector<ResourceEntry> entries;
    entries.reserve(resources_.size() + std::min(starts.size(), ends.size()));
    for (const auto& resource : resources_) {
        entries.push_back(MakeResourceEntry(AddressText(resource->startAddress), resource->access,
                                            resource->startAddress, resource->endAddress));
    }

    AddressRangeList added = RangesFromLists(starts, ends);
    std::erase_if(added, [](const AddressRange& r) { return r.first > r.last; });
    AddressRangeList areaRanges;
    areaRanges.reserve(areas_.size());
    for (const auto& area : areas_) {
        areaRanges.push_back({area->startAddress, area->endAddress});
    }
    const std::vector<std::size_t> holders = FirstContainingAreas(areaRanges, added);
    for (std::size_t i = 0; i < added.size(); ++i) {
        const bool inRom =
            holders[i] != kNoContainingArea && areas_[holders[i]]->kind == kAreaKindOnChipRom;
        entries.push_back(MakeResourceEntry(NewResourceAddressText(added[i].first),
                                            inRom ? "R" : "R/W", added[i].first, added[i].last));
    }

    SortByStartText(entries);
    JoinTouchingNeighbours(entries);

    resources_.clear();
    resources_.reserve(entries.size());
    for (ResourceEntry& entry : entries) {
        auto resource = std::make_unique<tagResourceInfo>();
        resource->startAddress = entry.start;
        resource->endAddress = entry.end;
        resource->access = std::move(entry.access);
        resources_.push_back(std::move(resource));
    }

    // Without a description read from the host there is nothing to write back: writing would
    // replace the host's description with an empty one.
    if (loaded_) {
        if (auto* service = GetHostService<IBraeMemoryResources>(host_, kIdMemoryResourceService)) {
            service->WriteDescription(context1_, context2_, context3_,
                                      tarnui::Utf8ToUtf16(ComposeDescription()));
        }
    }
    if (host_ != nullptr) {
        host_->RaiseEvent(kIdEventMemoryResourcesChanged1, 0);
    }
}

std::string CMemoryMapInfo::ComposeDescription() const {
    std::vector<std::string> items;
    items.reserve(resources_.size() + unreadResourceItems_.size());
    for (const auto& resource : resources_) {
        items.push_back(AddressText(resource->startAddress) + ',' +
                        AddressText(resource->endAddress) + ',' + resource->access);
    }
    items.insert(items.end(), unreadResourceItems_.begin(), unreadResourceItems_.end());
    const std::string resourceRecord = ComposeResourceRecord(items);

    std::vector<std::string_view> records = {versionRecord_, cpuTypeRecord_, mapRecord_,
                                             resourceRecord};
    records.insert(records.end(), otherRecords_.begin(), otherRecords_.end());
    return JoinRecords(records);
}
