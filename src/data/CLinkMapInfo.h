// The link map model: the sections and symbols of the current build's map listing, with the
// gaps between sections as "Unallocated Area" rows. It asks the host for the listing's path
// and for every number conversion; callers receive copies of its rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "src/data/LinkMapRows.h"
#include "src/shell/HostInterfaces.h"

namespace linkmap {
struct LinkMapListing;
class HostValueReader;
}  // namespace linkmap

class CLinkMapInfo {
public:
    explicit CLinkMapInfo(IBraeHost* host);
    ~CLinkMapInfo();
    CLinkMapInfo(const CLinkMapInfo&) = delete;
    CLinkMapInfo& operator=(const CLinkMapInfo&) = delete;

    // The context strings passed first to the linker setting service.
    void SetContext(const WString& context1, const WString& context2, const WString& context3);

    // Clears everything and reads the map listing that the host names.
    void Load();
    // Clears everything and reads a listing held in memory, as Load reads the file.
    void LoadText(std::string_view text);

    int32_t GetSectionCount() const;
    // Empties out, then copies up to count section rows from first on; returns how many.
    int32_t GetSections(int32_t first, int32_t count, LinkMapSectionRows& out) const;
    void SortSections(int32_t column, int32_t direction);

    // Symbols of a section (all symbols for an empty name).
    int32_t GetSymbolCount(const std::string& section) const;
    // Empties out, then copies up to count symbols of the section, from its match number first
    // on; returns how many.
    int32_t GetSymbols(int32_t first, int32_t count, const std::string& section,
                       LinkMapSymbolRows& out) const;
    // Name of the index-th symbol of the section; empty when there is none.
    std::string GetSymbolName(const std::string& section, int32_t index) const;
    void SortSymbols(int32_t column, int32_t direction);

    // Appends the merged address ranges of the section rows that are not gaps, in row order.
    // Returns 1, or 0 when there is no such row.
    int GetUsedRanges(std::vector<uint32_t>& starts, std::vector<uint32_t>& ends) const;

    static void FreeSectionRows(LinkMapSectionRows& rows);
    static void FreeSymbolRows(LinkMapSymbolRows& rows);

    // The listing read by the last Load; empty when none was found.
    const std::string& GetListingPath() const { return listingPath_; }
    uint32_t GetAddressLimit() const { return addressLimit_; }
    int32_t GetSectionSortColumn() const { return sectionSortColumn_; }
    int32_t GetSectionSortDirection() const { return sectionSortDirection_; }
    int32_t GetSymbolSortColumn() const { return symbolSortColumn_; }
    int32_t GetSymbolSortDirection() const { return symbolSortDirection_; }

private:
    void Clear();
    std::string FindListingPath() const;
    void TakeListing(linkmap::LinkMapListing& listing, linkmap::HostValueReader& values);

    IBraeHost* host_;
    IBraeValueConversion* valueConversion_;
    WString context1_;
    WString context2_;
    WString context3_;
    LinkMapSectionRows sectionRows_;
    LinkMapSymbolRows symbolRows_;
    std::string listingPath_;
    uint32_t addressLimit_ = 0xFFFFFFFFu;
    int32_t sectionSortColumn_ = -1;
    int32_t sectionSortDirection_ = -1;
    int32_t symbolSortColumn_ = -1;
    int32_t symbolSortDirection_ = -1;
};
