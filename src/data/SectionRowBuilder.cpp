#include "src/data/SectionRowBuilder.h"

#include <memory>

namespace linkmap {
namespace {

std::unique_ptr<tagLinkMapSectionInfo> MakeGapRow(const AddressGap& gap) {
    auto row = std::make_unique<tagLinkMapSectionInfo>();
    row->name = kUnallocatedAreaName;
    row->startAddress = gap.first;
    row->endAddress = gap.last;
    row->size = gap.last - gap.first + 1;  // the whole 32-bit space wraps to 0
    return row;
}

}  // namespace

std::optional<AddressGap> FindGap(GapPosition position, uint32_t previousEnd, uint32_t previousSize,
                                  uint32_t nextStart) {
    if (previousEnd >= nextStart) {
        return std::nullopt;
    }
    // A previous section of size 0 does not occupy its end address.
    const uint32_t first = previousSize == 0 ? previousEnd : previousEnd + 1;
    switch (position) {
        case GapPosition::kFirst:
            return AddressGap{0, nextStart - 1};
        case GapPosition::kAfterLast:
            return AddressGap{first, nextStart};
        case GapPosition::kBetween:
            if (previousEnd + 1 == nextStart) {
                return std::nullopt;
            }
            return AddressGap{first, nextStart - 1};
    }
    return std::nullopt;
}

LinkMapSectionRows BuildSectionRows(LinkMapSectionRows parsed, uint32_t addressLimit) {
    LinkMapSectionRows rows;
    rows.reserve(parsed.size() * 2 + 1);
    uint32_t previousEnd = 0;
    uint32_t previousSize = 0;
    for (size_t i = 0; i < parsed.size(); ++i) {
        auto& section = parsed[i];
        if (section->startAddress != 0) {
            const auto position = i == 0 ? GapPosition::kFirst : GapPosition::kBetween;
            if (const auto gap =
                    FindGap(position, previousEnd, previousSize, section->startAddress)) {
                rows.push_back(MakeGapRow(*gap));
            }
        }
        // A section that ends below the highest end so far does not move it back.
        if (section->endAddress >= previousEnd) {
            previousEnd = section->endAddress;
            previousSize = section->size;
        }
        rows.push_back(std::move(section));
    }
    if (const auto gap =
            FindGap(GapPosition::kAfterLast, previousEnd, previousSize, addressLimit)) {
        rows.push_back(MakeGapRow(*gap));
    }
    return rows;
}

bool CollectUsedRanges(const LinkMapSectionRows& rows, std::vector<uint32_t>& starts,
                       std::vector<uint32_t>& ends) {
    bool any = false;
    uint32_t lastEnd = 0;
    for (const auto& row : rows) {
        if (row->name == kUnallocatedAreaName) {
            continue;
        }
        // A row extends the open range when it starts right after the row before it; an end
        // at the top of the address space has nothing after it.
        const bool follows = any && lastEnd != UINT32_MAX && row->startAddress == lastEnd + 1;
        if (follows) {
            ends.back() = row->endAddress;
        } else {
            starts.push_back(row->startAddress);
            ends.push_back(row->endAddress);
        }
        lastEnd = row->endAddress;
        any = true;
    }
    return any;
}

}  // namespace linkmap
