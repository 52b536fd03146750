#include "src/data/CLinkMapInfo.h"

#include <filesystem>
#include <system_error>

#include "platform/text/Utf.h"
#include "src/data/HostValueReader.h"
#include "src/data/LinkMapReader.h"
#include "src/data/LinkMapRowOrder.h"
#include "src/data/LinkMapText.h"
#include "src/data/ListingSource.h"
#include "src/data/RowSorter.h"
#include "src/data/SectionRowBuilder.h"
#include "src/shell/HostAccess.h"
#include "src/shell/HostIds.h"
#include "src/util/PlaceholderExpansion.h"

namespace {

void AssignRow(const LinkMapSymbolView& view, tagLinkMapSymbolInfo& row) {
    row.name.assign(view.name);
    row.address = view.address;
    row.size = view.size;
    row.attribute.assign(view.attribute);
    row.scope.assign(view.scope);
    row.section.assign(view.section);
    row.file.assign(view.file);
}

template <class Row>
int32_t CopyRows(const std::vector<std::unique_ptr<Row>>& rows, int32_t first, int32_t count,
                 std::vector<std::unique_ptr<Row>>& out) {
    out.clear();
    if (first < 0 || count <= 0) {
        return 0;
    }
    for (size_t i = static_cast<size_t>(first);
         i < rows.size() && out.size() < static_cast<size_t>(count); ++i) {
        out.push_back(std::make_unique<Row>(*rows[i]));
    }
    return static_cast<int32_t>(out.size());
}

}  // namespace

CLinkMapInfo::CLinkMapInfo(IBraeHost* host)
    : host_(host),
      valueConversion_(GetHostService<IBraeValueConversion>(host, kIdValueConversionService)) {}

CLinkMapInfo::~CLinkMapInfo() = default;

void CLinkMapInfo::SetContext(const WString& context1, const WString& context2,
                              const WString& context3) {
    context1_ = context1;
    context2_ = context2;
    context3_ = context3;
}

void CLinkMapInfo::Clear() {
    sectionRows_.clear();
    symbols_.Clear();
    listingPath_.clear();
}

std::string CLinkMapInfo::FindListingPath() const {
    auto* settings = GetHostService<IBraeLinkerSettings>(host_, kIdLinkerSettingService);
    if (settings == nullptr) {
        return {};
    }
    WString hostPath;
    if (Failed(settings->GetMapListingPath(context1_, context2_, context3_, &hostPath)) ||
        hostPath.empty()) {
        return {};
    }
    const std::string expanded = Expand(host_, tarnui::Utf16ToUtf8(hostPath), nullptr);
    std::string path(linkmap::TrimChar(expanded, '"'));
    // Only a regular file is read: a directory cannot be, and a pipe could block forever.
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
        return {};
    }
    return path;
}

void CLinkMapInfo::Load() {
    // The symbols of the previous load lend their memory to this one's, which then costs no
    // fresh pages from the system.
    linkmap::SymbolTable recycled = std::move(symbols_);
    Clear();
    std::string path = FindListingPath();
    if (path.empty()) {
        return;
    }
    recycled.Reset();
    linkmap::HostValueReader values(valueConversion_);
    linkmap::LinkMapReader reader(values, std::move(recycled));
    if (!linkmap::ReadListingFile(path, reader)) {
        return;
    }
    listingPath_ = std::move(path);
    TakeListing(reader.Listing(), values);
}

void CLinkMapInfo::LoadText(std::string_view text) {
    Clear();
    linkmap::HostValueReader values(valueConversion_);
    linkmap::LinkMapReader reader(values);
    linkmap::ReadListingText(text, reader);
    TakeListing(reader.Listing(), values);
}

void CLinkMapInfo::TakeListing(linkmap::LinkMapListing& listing, linkmap::HostValueReader& values) {
    symbols_ = std::move(listing.symbols);
    symbols_.ReleaseSpare();
    linkmap::ApplyOverlayPairs(listing.overlays, listing.sections);
    listing.overlays.Clear();
    if (!listing.sections.empty()) {
        addressLimit_ = values.AddressLimit();
        sectionRows_ = linkmap::BuildSectionRows(std::move(listing.sections), addressLimit_);
    }
}

int32_t CLinkMapInfo::GetSectionCount() const {
    return static_cast<int32_t>(sectionRows_.size());
}

int32_t CLinkMapInfo::GetSections(int32_t first, int32_t count, LinkMapSectionRows& out) const {
    return CopyRows(sectionRows_, first, count, out);
}

void CLinkMapInfo::SortSections(SectionColumn column, RowSortDirection direction) {
    sectionSortColumn_ = column;
    sectionSortDirection_ = direction;
    linkmap::SortRows(sectionRows_, linkmap::SectionRowFields{}, linkmap::KeyOf(column), direction);
}

int32_t CLinkMapInfo::GetSymbolCount(const std::string& section) const {
    int32_t count = 0;
    ForEachSymbolOf(section, [&](size_t) {
        ++count;
        return true;
    });
    return count;
}

int32_t CLinkMapInfo::GetSymbols(int32_t first, int32_t count, const std::string& section,
                                 LinkMapSymbolRows& out) const {
    // The caller's earlier records are refilled rather than freed and made again: a view that
    // refreshes takes about as many rows each time, and their strings keep their room.
    if (first < 0 || count <= 0) {
        out.clear();
        return 0;
    }
    size_t filled = 0;
    int32_t match = 0;
    ForEachSymbolOf(section, [&](size_t i) {
        if (match++ >= first) {
            if (filled < out.size() && out[filled] != nullptr) {
                AssignRow(symbols_.View(i), *out[filled]);
            } else if (filled < out.size()) {
                out[filled] = std::make_unique<tagLinkMapSymbolInfo>(symbols_.Row(i));
            } else {
                out.push_back(std::make_unique<tagLinkMapSymbolInfo>(symbols_.Row(i)));
            }
            ++filled;
        }
        return filled < static_cast<size_t>(count);
    });
    out.resize(filled);
    return static_cast<int32_t>(out.size());
}

void CLinkMapInfo::VisitSymbols(const std::string& section,
                                const std::function<void(const LinkMapSymbolView&)>& visit) const {
    ForEachSymbolOf(section, [&](size_t i) {
        symbols_.Prefetch(i + kSymbolPrefetchDistance);
        visit(symbols_.View(i));
        return true;
    });
}

std::string CLinkMapInfo::GetSymbolName(const std::string& section, int32_t index) const {
    std::string name;
    if (index < 0) {
        return name;
    }
    int32_t match = 0;
    ForEachSymbolOf(section, [&](size_t i) {
        if (match++ < index) {
            return true;
        }
        name = symbols_.View(i).name;
        return false;
    });
    return name;
}

void CLinkMapInfo::SortSymbols(SymbolColumn column, RowSortDirection direction) {
    symbolSortColumn_ = column;
    symbolSortDirection_ = direction;
    symbols_.Sort(column, direction);
}

int CLinkMapInfo::GetUsedRanges(std::vector<uint32_t>& starts, std::vector<uint32_t>& ends) const {
    return linkmap::CollectUsedRanges(sectionRows_, starts, ends) ? 1 : 0;
}

void CLinkMapInfo::FreeSectionRows(LinkMapSectionRows& rows) {
    rows.clear();
}

void CLinkMapInfo::FreeSymbolRows(LinkMapSymbolRows& rows) {
    rows.clear();
}
