// Anchored wildcard matching for CStrFind: "*" takes any run of bytes (also empty), "?" takes
// exactly one byte and "\" makes the next pattern byte literal. The text is never moved back:
// after a failed literal run the pattern restarts at the nearest star with the text where it
// stands, so a match can be missed at one start and found at a later one.
#pragma once

#include <cstddef>

namespace strfind {

struct AnchoredMatch {
    bool matched = false;
    // Text bytes consumed by the match.
    size_t length = 0;
    // When not matched: no later start position can match either.
    bool laterStartsFail = false;
    // When not matched: the number of start positions to move on by. Every start skipped over
    // reaches the same state as this one and fails the same way.
    size_t advance = 1;
};

// Matches the zero-terminated pattern against the zero-terminated text, anchored at the
// text's first byte but not at its end. ignoreCase folds a to z onto A to Z before comparing.
AnchoredMatch MatchAt(const char* text, const char* pattern, bool ignoreCase);

}  // namespace strfind
