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

bool InSection(const tagLinkMapSymbolInfo& symbol, const std::string& section) {
    return section.empty() || symbol.section == section;
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
    symbolRows_.clear();
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
    // A reload refills the rows of the previous listing rather than freeing and allocating
    // every one of them again.
    LinkMapSymbolRows previousSymbols = std::move(symbolRows_);
    Clear();
    std::string path = FindListingPath();
    if (path.empty()) {
        return;
    }
    linkmap::HostValueReader values(valueConversion_);
    linkmap::LinkMapReader reader(values);
    reader.ReuseSymbolRows(std::move(previousSymbols));
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
    symbolRows_ = std::move(listing.symbols);
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

void CLinkMapInfo::SortSections(int32_t column, int32_t direction) {
    sectionSortColumn_ = column;
    sectionSortDirection_ = direction;
    linkmap::SortRows(sectionRows_, [column, direction](const auto& a, const auto& b) {
        return linkmap::CompareSectionRows(a, b, column, direction);
    });
}

int32_t CLinkMapInfo::GetSymbolCount(const std::string& section) const {
    if (section.empty()) {
        return static_cast<int32_t>(symbolRows_.size());
    }
    int32_t count = 0;
    for (const auto& symbol : symbolRows_) {
        count += symbol->section == section ? 1 : 0;
    }
    return count;
}

int32_t CLinkMapInfo::GetSymbols(int32_t first, int32_t count, const std::string& section,
                                 LinkMapSymbolRows& out) const {
    if (section.empty()) {
        return CopyRows(symbolRows_, first, count, out);
    }
    out.clear();
    if (first < 0 || count <= 0) {
        return 0;
    }
    int32_t match = 0;
    for (const auto& symbol : symbolRows_) {
        if (out.size() >= static_cast<size_t>(count)) {
            break;
        }
        if (symbol->section != section) {
            continue;
        }
        if (match++ >= first) {
            out.push_back(std::make_unique<tagLinkMapSymbolInfo>(*symbol));
        }
    }
    return static_cast<int32_t>(out.size());
}

std::string CLinkMapInfo::GetSymbolName(const std::string& section, int32_t index) const {
    if (index < 0) {
        return {};
    }
    int32_t match = 0;
    for (const auto& symbol : symbolRows_) {
        if (InSection(*symbol, section) && match++ == index) {
            return symbol->name;
        }
    }
    return {};
}

void CLinkMapInfo::SortSymbols(int32_t column, int32_t direction) {
    symbolSortColumn_ = column;
    symbolSortDirection_ = direction;
    linkmap::SortRows(symbolRows_, [column, direction](const auto& a, const auto& b) {
        return linkmap::CompareSymbolRows(a, b, column, direction);
    });
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
