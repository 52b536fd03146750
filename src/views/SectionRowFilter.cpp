#include "src/views/SectionRowFilter.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

bool IsUnallocatedArea(const tagLinkMapSectionInfo& row) {
    return std::equal(row.name.begin(), row.name.end(), kUnallocatedAreaName.begin(),
                      kUnallocatedAreaName.end(), [](char a, char b) {
                          return std::toupper(static_cast<unsigned char>(a)) ==
                                 std::toupper(static_cast<unsigned char>(b));
                      });
}

// One walk from the first row; removed rows are skipped by compacting the kept ones forward,
// so the walk stays linear however many rows go. The open gap is the last gap row kept since
// the last shown section; a gap that starts right after its end is merged into it. Nothing
// follows a gap that ends at the top of the address space: the gap at 0 is not its neighbour.
// Gaps that would together cover the whole space stay apart, since a size cannot hold it.
void FilterSectionRows(LinkMapSectionRows& rows, SectionRowFilterOptions options) {
    tagLinkMapSectionInfo* openGap = nullptr;
    size_t kept = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        tagLinkMapSectionInfo& row = *rows[i];
        const bool gap = IsUnallocatedArea(row);
        if (!options.showZeroSize && row.size == 0) {
            continue;
        }
        if (!options.showUnallocatedAreas && gap) {
            continue;
        }
        if (!gap) {
            openGap = nullptr;
        } else if (openGap == nullptr) {
            openGap = &row;
        } else if (openGap->endAddress != UINT32_MAX &&
                   openGap->endAddress + 1 == row.startAddress &&
                   openGap->size <= UINT32_MAX - row.size) {
            openGap->endAddress = row.endAddress;
            openGap->size += row.size;
            continue;
        }
        if (kept != i) {
            rows[kept] = std::move(rows[i]);
        }
        ++kept;
    }
    rows.resize(kept);
}
