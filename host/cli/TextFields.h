// How the command line writes fields (RowWriter writes whole exports with them):
// tab-separated, addresses and sizes as 8 upper-case
// hexadecimal digits, and a tab, newline or backslash in a text as \t, \n, \\ (a carriage
// return as \r), so that every row stays one line.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarncli {

// The escaped text written at out, which has room for twice the text and kEscapeSlack more
// bytes (the end of a short text is written a word at a time); returns its end.
inline constexpr size_t kEscapeSlack = 8;
char* WriteEscaped(char* out, std::string_view text);
// The 8 digits written at out; returns their end. All eight at once: each nibble spread to a
// byte of its own, turned into its digit, the bytes put in writing order.
inline char* WriteHex(char* out, uint32_t value) {
    uint64_t x = value;
    x = ((x & 0xFFFF0000u) << 16) | (x & 0xFFFFu);
    x = ((x & 0x0000FF000000FF00u) << 8) | (x & 0x000000FF000000FFu);
    x = ((x & 0x00F000F000F000F0u) << 4) | (x & 0x000F000F000F000Fu);
    // Nibbles of 10 and more get the distance from '9' + 1 to 'A' added.
    const uint64_t letters = ((x + 0x0606060606060606u) >> 4) & 0x0101010101010101u;
    x += 0x3030303030303030u + letters * 7;
    if constexpr (std::endian::native == std::endian::little) {
        x = __builtin_bswap64(x);
    }
    std::memcpy(out, &x, 8);
    return out + 8;
}

std::string EscapeField(std::string_view text);
std::string HexField(uint32_t value);
// Joins escaped fields with tabs and ends the line.
std::string Row(std::initializer_list<std::string> fields);

}  // namespace tarncli
