// The link map model: the sections and symbols of the current build's map listing, with the
// gaps between sections as "Unallocated Area" rows. It asks the host for the listing's path
// and for every number conversion; callers receive copies of its rows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "src/data/LinkMapColumns.h"
#include "src/data/LinkMapRows.h"
#include "src/data/SymbolTable.h"
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
    void SortSections(SectionColumn column, RowSortDirection direction);

    // Symbols of a section (all symbols for an empty name).
    int32_t GetSymbolCount(const std::string& section) const;
    // Empties out, then copies up to count symbols of the section, from its match number first
    // on; returns how many.
    int32_t GetSymbols(int32_t first, int32_t count, const std::string& section,
                       LinkMapSymbolRows& out) const;
    // Name of the index-th symbol of the section; empty when there is none.
    std::string GetSymbolName(const std::string& section, int32_t index) const;
    void SortSymbols(SymbolColumn column, RowSortDirection direction);
    // Hands every symbol of the section (all symbols for an empty name) in row order to visit,
    // as a view into the model's own row: for callers that only read the rows once.
    void VisitSymbols(const std::string& section,
                      const std::function<void(const LinkMapSymbolView&)>& visit) const;
    // VisitSymbols for writers that prepare each repeating text once: the rows come with those
    // texts by number, for GetSymbolTexts. Inline, so that a large export makes no call a row.
    template <class Visit>
    void VisitSymbolRecords(const std::string& section, Visit&& visit) const {
        ForEachSymbolOf(section, [&](size_t i) {
            symbols_.Prefetch(i + kSymbolPrefetchDistance);
            visit(symbols_.NumberedRow(i));
            return true;
        });
    }
    // The texts that repeat from symbol to symbol, by number.
    const std::vector<std::string_view>& GetSymbolTexts() const { return symbols_.Texts(); }

    // Appends the merged address ranges of the section rows that are not gaps, in row order.
    // Returns 1, or 0 when there is no such row.
    int GetUsedRanges(std::vector<uint32_t>& starts, std::vector<uint32_t>& ends) const;

    static void FreeSectionRows(LinkMapSectionRows& rows);
    static void FreeSymbolRows(LinkMapSymbolRows& rows);

    // The listing read by the last Load; empty when none was found.
    const std::string& GetListingPath() const { return listingPath_; }
    uint32_t GetAddressLimit() const { return addressLimit_; }
    SectionColumn GetSectionSortColumn() const { return sectionSortColumn_; }
    RowSortDirection GetSectionSortDirection() const { return sectionSortDirection_; }
    SymbolColumn GetSymbolSortColumn() const { return symbolSortColumn_; }
    RowSortDirection GetSymbolSortDirection() const { return symbolSortDirection_; }

private:
    void Clear();
    std::string FindListingPath() const;
    void TakeListing(linkmap::LinkMapListing& listing, linkmap::HostValueReader& values);
    // How many rows ahead a visit of the symbols fetches a name: after a sort, rows read in
    // order reach their names all over the name store.
    static constexpr size_t kSymbolPrefetchDistance = 16;
    // Calls visit(index) for the symbols of a section (all for an empty name) in row order
    // until it returns false.
    template <class Visit>
    void ForEachSymbolOf(const std::string& section, Visit&& visit) const;

    IBraeHost* host_;
    IBraeValueConversion* valueConversion_;
    WString context1_;
    WString context2_;
    WString context3_;
    LinkMapSectionRows sectionRows_;
    linkmap::SymbolTable symbols_;
    std::string listingPath_;
    uint32_t addressLimit_ = 0xFFFFFFFFu;
    SectionColumn sectionSortColumn_ = kNoSectionColumn;
    RowSortDirection sectionSortDirection_ = kNoSortDirection;
    SymbolColumn symbolSortColumn_ = kNoSymbolColumn;
    RowSortDirection symbolSortDirection_ = kNoSortDirection;
};

template <class Visit>
inline void CLinkMapInfo::ForEachSymbolOf(const std::string& section, Visit&& visit) const {
    const size_t count = symbols_.Size();
    if (section.empty()) {
        for (size_t i = 0; i < count; ++i) {
            if (!visit(i)) {
                return;
            }
        }
        return;
    }
    // Sections are stored texts: a section never named in the listing has no symbols.
    const auto id = symbols_.FindText(section);
    if (!id) {
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        if (symbols_.SectionId(i) == *id && !visit(i)) {
            return;
        }
    }
}
