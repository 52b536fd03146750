// The rows of the link map model: placed sections (with the gaps between them) and symbols.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A section row; a gap row is named "Unallocated Area" and covers startAddress..endAddress.
struct tagLinkMapSectionInfo {
    std::string name;
    uint32_t startAddress = 0;
    uint32_t endAddress = 0;
    uint32_t size = 0;
    std::string overlay;  // the section this one is overlaid with; empty for none

    friend bool operator==(const tagLinkMapSectionInfo&, const tagLinkMapSectionInfo&) = default;
};

// A symbol row.
struct tagLinkMapSymbolInfo {
    std::string name;
    uint32_t address = 0;
    uint32_t size = 0;
    std::string attribute;  // "Function", "Data", "Entry", "None" or the listing's own word
    std::string scope;      // "Global", "Local" or the listing's own word
    std::string section;
    std::string file;  // object file name without its directory

    friend bool operator==(const tagLinkMapSymbolInfo&, const tagLinkMapSymbolInfo&) = default;
};

// A symbol row as the model holds it, without a copy: valid until the model loads or sorts
// again.
struct LinkMapSymbolView {
    std::string_view name;
    uint32_t address = 0;
    uint32_t size = 0;
    std::string_view attribute;
    std::string_view scope;
    std::string_view section;
    std::string_view file;
};

// A symbol row as the model holds it with its repeating texts (attribute, scope, section,
// file) by their number among the model's symbol texts: for callers that write each of those
// texts once in a form of their own. Valid until the model loads or sorts again.
struct LinkMapSymbolRecord {
    std::string_view name;
    uint32_t address = 0;
    uint32_t size = 0;
    uint32_t attribute = 0;
    uint32_t scope = 0;
    uint32_t section = 0;
    uint32_t file = 0;
};

// Arrays of owned rows, as the model keeps them and as callers receive copies.
using LinkMapSectionRows = std::vector<std::unique_ptr<tagLinkMapSectionInfo>>;
using LinkMapSymbolRows = std::vector<std::unique_ptr<tagLinkMapSymbolInfo>>;

inline constexpr std::string_view kUnallocatedAreaName = "Unallocated Area";
