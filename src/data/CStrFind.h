// Finds a search text inside a string, as plain text or as a wildcard pattern ("*", "?" and
// "\" escapes), with or without regard to case. Strings are zero-terminated byte strings and
// are compared byte by byte. Callers make one on the stack for each test.
#pragma once

#include <cstdint>

class CStrFind {
public:
    // Flag bits of Find.
    static constexpr uint32_t kIgnoreCase = 1;  // a to z compare equal to A to Z
    static constexpr uint32_t kWildcard = 2;    // the pattern is a wildcard pattern

    CStrFind() = default;
    virtual ~CStrFind() = default;

    // Returns 1 when the pattern occurs in the text, 0 when not. When found, position is the
    // byte offset of the match and length its length in bytes; when not, -1 and 0. Either out
    // pointer may be null, and so may text and pattern (never found).
    int Find(const char* text, const char* pattern, uint32_t flags, int32_t* position = nullptr,
             uint32_t* length = nullptr);
};
