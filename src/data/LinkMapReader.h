// The line-by-line reader of the map listing: a small state machine that collects the mapping
// list's sections, the symbol list's symbols and the overlay pairs of the "-start=" option.
#pragma once

#include <string>
#include <string_view>

#include "src/data/HostValueReader.h"
#include "src/data/LinkMapRows.h"
#include "src/data/OverlayPairs.h"

namespace linkmap {

// What one reading of a listing found.
struct LinkMapListing {
    LinkMapSectionRows sections;  // mapping list rows in file order
    LinkMapSymbolRows symbols;    // symbol list rows in file order
    OverlayPairs overlays;
};

class LinkMapReader {
public:
    explicit LinkMapReader(HostValueReader& values) : values_(values) {}

    // Takes one line without its line end. Returns false once the reading has finished;
    // later lines are ignored.
    bool ReadLine(std::string_view line);
    bool Finished() const { return state_ == State::kFinished; }

    LinkMapListing& Listing() { return listing_; }

    // Rows of an earlier reading, refilled instead of allocating new ones; what is not needed
    // is freed with the reader.
    void ReuseSymbolRows(LinkMapSymbolRows rows);

private:
    enum class State { kScanning, kMappingList, kSymbolList, kOptions, kFinished };

    struct MappingMemory {
        bool headerSeen = false;
        bool namePending = false;
        std::string pendingName;
    };
    struct SymbolMemory {
        std::string section;
        std::string file;
        std::string pendingName;
        bool namePending = false;
        bool skipAfterFile = false;
        bool skipAfterBlank = false;
    };

    // The state functions get the line with its blanks trimmed from both ends.
    bool TakeMarker(std::string_view trimmed);
    void Enter(State state);
    void ReadMappingLine(std::string_view line);
    void ReadSymbolLine(std::string_view raw, std::string_view line);
    void ReadFileLine(std::string_view rest);
    void ReadSymbolValues(std::string_view line);
    void ReadOptionsLine(std::string_view line);

    HostValueReader& values_;
    State state_ = State::kScanning;
    MappingMemory mapping_;
    SymbolMemory symbol_;
    LinkMapListing listing_;
    LinkMapSymbolRows spareSymbols_;  // in reverse order: the next to reuse is at the back
};

// Attribute and scope words as the symbol rows keep them.
std::string_view AttributeText(std::string_view word);
std::string_view ScopeText(std::string_view word);

}  // namespace linkmap
