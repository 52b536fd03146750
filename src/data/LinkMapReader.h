// The line-by-line reader of the map listing: a small state machine that collects the mapping
// list's sections, the symbol list's symbols and the overlay pairs of the "-start=" option.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "src/data/HostValueReader.h"
#include "src/data/LinkMapRows.h"
#include "src/data/OverlayPairs.h"
#include "src/data/SymbolTable.h"

namespace linkmap {

// What one reading of a listing found.
struct LinkMapListing {
    LinkMapSectionRows sections;  // mapping list rows in file order
    SymbolTable symbols;          // symbol list rows in file order
    OverlayPairs overlays;
};

class LinkMapReader {
public:
    // The symbols go into recycled, emptied by SymbolTable::Reset, whose memory they reuse.
    explicit LinkMapReader(HostValueReader& values, SymbolTable recycled = {});

    // Takes one line without its line end. Returns false once the reading has finished;
    // later lines are ignored.
    bool ReadLine(std::string_view line);
    bool Finished() const { return state_ == State::kFinished; }

    LinkMapListing& Listing() { return listing_; }

    // Makes room for the symbols that a listing of this many bytes may hold, so that the rows
    // are not moved as they grow.
    void ExpectListingSize(uintmax_t bytes);

private:
    enum class State { kScanning, kMappingList, kSymbolList, kOptions, kFinished };

    struct MappingMemory {
        bool headerSeen = false;
        bool namePending = false;
        std::string pendingName;
    };
    // A section or file name whose number is looked up when the first symbol needs it: the
    // look-up's cache miss is then long since fetched.
    struct DeferredText {
        std::string text;
        uint64_t hash = 0;
        bool pending = false;
    };

    struct SymbolMemory {
        SymbolTable::TextId section = 0;
        SymbolTable::TextId file = 0;
        DeferredText deferredSection;
        DeferredText deferredFile;
        std::string_view pendingName;  // already in the symbol table's text store
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
    void Defer(DeferredText& deferred, std::string_view text);
    void Resolve(DeferredText& deferred, SymbolTable::TextId& id);
    SymbolTable::TextId AttributeId(std::string_view word, size_t readable);
    SymbolTable::TextId ScopeId(std::string_view word);

    HostValueReader& values_;
    State state_ = State::kScanning;
    MappingMemory mapping_;
    SymbolMemory symbol_;
    LinkMapListing listing_;
    // The texts every listing uses, stored first.
    SymbolTable::TextId empty_;
    SymbolTable::TextId function_, data_, entry_, none_;
    SymbolTable::TextId global_, local_;
};

}  // namespace linkmap
