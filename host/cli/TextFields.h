// How the command line writes fields (RowWriter writes whole exports with them):
// tab-separated, addresses and sizes as 8 upper-case
// hexadecimal digits, and a tab, newline or backslash in a text as \t, \n, \\ (a carriage
// return as \r), so that every row stays one line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarncli {

// The escaped text written at out, which has room for twice the text and kEscapeSlack more
// bytes (the end of a short text is written a word at a time); returns its end.
inline constexpr size_t kEscapeSlack = 8;
char* WriteEscaped(char* out, std::string_view text);
// The 8 digits written at out; returns their end.
char* WriteHex(char* out, uint32_t value);

std::string EscapeField(std::string_view text);
std::string HexField(uint32_t value);
// Joins escaped fields with tabs and ends the line.
std::string Row(std::initializer_list<std::string> fields);

}  // namespace tarncli
