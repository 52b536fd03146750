#include "src/data/LinkMapReader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#include "src/data/LinkMapText.h"

namespace linkmap {

LinkMapReader::LinkMapReader(HostValueReader& values, SymbolTable recycled)
    : values_(values),
      listing_{{}, std::move(recycled), {}},
      empty_(listing_.symbols.Intern("")),
      function_(listing_.symbols.Intern("Function")),
      data_(listing_.symbols.Intern("Data")),
      entry_(listing_.symbols.Intern("Entry")),
      none_(listing_.symbols.Intern("None")),
      global_(listing_.symbols.Intern("Global")),
      local_(listing_.symbols.Intern("Local")) {
    symbol_.section = empty_;
    symbol_.file = empty_;
}

void LinkMapReader::ExpectListingSize(uintmax_t bytes) {
    // A symbol takes two lines of a few dozen characters each; room that is not used costs
    // address space only, never memory, but is bounded all the same.
    constexpr uintmax_t kBytesPerSymbol = 64;
    constexpr uintmax_t kMostRows = uintmax_t{1} << 22;
    listing_.symbols.Reserve(static_cast<size_t>(std::min(bytes / kBytesPerSymbol, kMostRows)));
}

// AttributeText and ScopeText as stored numbers; a word of the four or two is not looked up.
// The known words are told apart without branches: they follow one another at random, and a
// chain of tests would be mispredicted on most symbols. readable: the bytes of the line from
// the word's start.
SymbolTable::TextId LinkMapReader::AttributeId(std::string_view word, size_t readable) {
    if (word.size() <= 5) {
        const uint64_t folded = FoldedWordBytes(word, readable);
        const std::array<std::pair<uint64_t, SymbolTable::TextId>, 4> known{{
            {FoldedWord("func"), function_},
            {FoldedWord("data"), data_},
            {FoldedWord("entry"), entry_},
            {FoldedWord("none"), none_},
        }};
        SymbolTable::TextId id = 0;
        bool found = false;
        for (const auto& [text, textId] : known) {
            const bool same = folded == text;
            id |= textId & (SymbolTable::TextId{0} - same);
            found |= same;
        }
        if (found) {
            return id;
        }
    }
    return listing_.symbols.Intern(word);
}

SymbolTable::TextId LinkMapReader::ScopeId(std::string_view word) {
    if (word.size() == 1) {
        const char folded = static_cast<char>(word[0] | 0x20);
        const bool global = folded == 'g';
        const bool local = folded == 'l';
        if (global || local) {
            return (global_ & (SymbolTable::TextId{0} - global)) |
                   (local_ & (SymbolTable::TextId{0} - local));
        }
    }
    return listing_.symbols.Intern(word);
}

bool LinkMapReader::ReadLine(std::string_view line) {
    if (state_ == State::kFinished) {
        return false;
    }
    const std::string_view trimmed = TrimBlanks(line);
    if (TakeMarker(trimmed)) {
        return state_ != State::kFinished;
    }
    switch (state_) {
        case State::kMappingList:
            ReadMappingLine(trimmed);
            break;
        case State::kSymbolList:
            ReadSymbolLine(line, trimmed);
            break;
        case State::kOptions:
            ReadOptionsLine(trimmed);
            break;
        case State::kScanning:
        case State::kFinished:
            break;
    }
    return true;
}

// A marker line, whatever its case and surrounding blanks, ends the current state and starts
// the marker's state; the state never sees the line itself.
bool LinkMapReader::TakeMarker(std::string_view trimmed) {
    static constexpr std::array<std::pair<std::string_view, State>, 5> kMarkers{{
        {"*** Mapping List ***", State::kMappingList},
        {"*** Symbol List ***", State::kSymbolList},
        {"*** Options ***", State::kOptions},
        {"Absolute value symbols", State::kFinished},
        {"*** Delete Symbols ***", State::kFinished},
    }};
    if (trimmed.size() < 15 || trimmed.size() > 22 ||
        (trimmed[0] != '*' && LowerAscii(trimmed[0]) != 'a')) {
        return false;  // no marker has that length or first letter: most lines end here
    }
    for (const auto& [text, state] : kMarkers) {
        if (EqualsIgnoreCase(trimmed, text)) {
            Enter(state);
            return true;
        }
    }
    return false;
}

void LinkMapReader::Enter(State state) {
    state_ = state;
    if (state == State::kMappingList) {
        mapping_.headerSeen = false;
        mapping_.namePending = false;
        mapping_.pendingName.clear();
    } else if (state == State::kSymbolList) {
        symbol_.section = empty_;
        symbol_.file = empty_;
        symbol_.deferredSection.pending = false;
        symbol_.deferredFile.pending = false;
        symbol_.pendingName = {};
        symbol_.namePending = false;
        symbol_.skipAfterFile = false;
        symbol_.skipAfterBlank = false;
    }
}

void LinkMapReader::ReadMappingLine(std::string_view line) {
    if (line.empty()) {
        return;
    }
    if (!mapping_.headerSeen) {
        mapping_.headerSeen = StartsWith(line, "SECTION");
        return;
    }
    if (!mapping_.namePending) {
        mapping_.pendingName.assign(line);
        mapping_.namePending = true;
        return;
    }
    mapping_.namePending = false;
    std::array<std::string_view, 4> words;
    if (SplitWords(line, kSpaces, words) != words.size()) {
        return;
    }
    auto row = std::make_unique<tagLinkMapSectionInfo>();
    row->name = mapping_.pendingName;
    row->startAddress = values_.Address(words[0]);
    row->endAddress = values_.Address(words[1]);
    row->size = values_.Number(words[2]);
    listing_.sections.push_back(std::move(row));
}

void LinkMapReader::ReadSymbolLine(std::string_view raw, std::string_view line) {
    if (raw.empty()) {
        return;
    }
    if (symbol_.skipAfterFile) {
        symbol_.skipAfterFile = false;
        return;
    }
    if (symbol_.skipAfterBlank) {
        symbol_.skipAfterBlank = false;
        return;
    }
    if (StartsWith(line, "SECTION=")) {
        const std::string_view rest = TrimBlanks(line.substr(8));
        if (!rest.empty()) {
            Defer(symbol_.deferredSection, rest);
        }
    } else if (StartsWith(line, "FILE=")) {
        ReadFileLine(TrimBlanks(line.substr(5)));
    } else if (line.empty()) {
        symbol_.skipAfterBlank = true;
    } else if (!symbol_.namePending) {
        // Stored at once, so that the row takes it without a second copy; a name whose values
        // line turns out malformed only leaves its bytes unused in the store.
        symbol_.pendingName = listing_.symbols.StoreName(line);
        symbol_.namePending = true;
    } else {
        symbol_.namePending = false;
        ReadSymbolValues(line);
    }
}

// The line after a "FILE=" line holds the file's range and is skipped. A "FILE=" line whose
// words begin with "START END" is the column header and names no file.
void LinkMapReader::ReadFileLine(std::string_view rest) {
    symbol_.skipAfterFile = true;
    std::array<std::string_view, 2> words;
    // The column header under "FILE=" names no file; a file's name is split only when it could
    // be that header.
    if (StartsWith(rest, "START") && SplitWords(rest, kSpaces, words) >= 2 &&
        words[0] == "START" && words[1] == "END") {
        return;
    }
    // Listings written on either kind of system separate directories with "\" or "/". The name
    // is short: a byte loop from its end beats a search of the set per byte.
    size_t nameStart = rest.size();
    while (nameStart > 0 && rest[nameStart - 1] != '\\' && rest[nameStart - 1] != '/')
        --nameStart;
    Defer(symbol_.deferredFile, rest.substr(nameStart));
}

void LinkMapReader::Defer(DeferredText& deferred, std::string_view text) {
    deferred.text.assign(text);
    deferred.hash = TextIdIndex::Hash(text);
    deferred.pending = true;
    listing_.symbols.PrefetchText(deferred.hash);
}

void LinkMapReader::Resolve(DeferredText& deferred, SymbolTable::TextId& id) {
    if (deferred.pending) {
        deferred.pending = false;
        id = listing_.symbols.Intern(deferred.text, deferred.hash);
    }
}

void LinkMapReader::ReadSymbolValues(std::string_view line) {
    std::array<std::string_view, 5> words;
    if (SplitWords(line, kSpacesAndCommas, words) != words.size()) {
        return;
    }
    const char* const end = line.data() + line.size();
    const auto readable = [end](std::string_view word) {
        return static_cast<size_t>(end - word.data());
    };
    const uint32_t address = values_.Address(words[0]);
    const uint32_t size = values_.Number(words[1], readable(words[1]));
    Resolve(symbol_.deferredSection, symbol_.section);
    Resolve(symbol_.deferredFile, symbol_.file);
    listing_.symbols.AddStored(symbol_.pendingName, address, size,
                               AttributeId(words[2], readable(words[2])), ScopeId(words[3]),
                               symbol_.section, symbol_.file);
}

void LinkMapReader::ReadOptionsLine(std::string_view line) {
    constexpr std::string_view kStartOption = "-start=";
    if (StartsWith(line, kStartOption)) {
        ReadOverlayPairs(line.substr(kStartOption.size()), listing_.overlays);
    }
}

}  // namespace linkmap
