#include "src/data/OverlayPairs.h"

#include <vector>

#include "src/data/LinkMapText.h"
#include "src/data/TextIdIndex.h"

namespace linkmap {
namespace {

constexpr CharSet kParentheses{"()"};
constexpr CharSet kCommasAndColons{",:"};

// Cuts the option value into its placement groups: "group/address,group/address,...".
template <class Visit>
void ForEachGroup(std::string_view rest, Visit&& visit) {
    while (!rest.empty()) {
        if (rest.front() == '/') {
            rest.remove_prefix(1);
            continue;
        }
        const size_t slash = rest.find('/');
        visit(rest.substr(0, slash));
        if (slash == std::string_view::npos) {
            return;
        }
        rest.remove_prefix(slash + 1);
        const size_t comma = rest.find(',');  // the group's address ends at the next comma
        if (comma == std::string_view::npos) {
            return;
        }
        rest.remove_prefix(comma + 1);
    }
}

void ReadPiece(std::string_view piece, OverlayPairs& pairs) {
    piece = TrimChar(piece, ',');
    const size_t colon = piece.find(':');
    if (colon == std::string_view::npos) {
        return;
    }
    const std::string_view base = piece.substr(0, piece.find_first_of(",:"));
    ForEachWord(piece.substr(colon), kCommasAndColons, [&](std::string_view name) {
        pairs.baseNames.emplace_back(base);
        pairs.overlaidNames.emplace_back(name);
        return true;
    });
}

}  // namespace

void ReadOverlayPairs(std::string_view value, OverlayPairs& pairs) {
    ForEachGroup(value, [&](std::string_view group) {
        ForEachWord(group, kParentheses, [&](std::string_view piece) {
            ReadPiece(piece, pairs);
            return true;
        });
    });
}

void ApplyOverlayPairs(const OverlayPairs& pairs, LinkMapSectionRows& sections) {
    if (pairs.overlaidNames.empty()) {
        return;
    }
    // First section of each name, numbered by position; a flat lookup table keeps long option
    // lines linear and allocates nothing per section.
    std::vector<std::string_view> names;
    names.reserve(sections.size());
    TextIdIndex firstByName;
    firstByName.Reserve(sections.size());
    for (const auto& section : sections) {
        const std::string_view name = section->name;
        const uint64_t hash = TextIdIndex::Hash(name);
        names.push_back(name);
        if (!firstByName.Find(name, hash, names)) {
            firstByName.Insert(hash, static_cast<TextIdIndex::TextId>(names.size() - 1));
        }
    }
    for (size_t i = 0; i < pairs.overlaidNames.size(); ++i) {
        const std::string_view name = pairs.overlaidNames[i];
        if (const auto found = firstByName.Find(name, TextIdIndex::Hash(name), names)) {
            sections[*found]->overlay = pairs.baseNames[i];
        }
    }
}

}  // namespace linkmap
