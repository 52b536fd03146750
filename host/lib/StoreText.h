// How names and values are written in the host's key-value files (options, profile and
// workspace data), which share the workspace file format:
// - a name (section part or key) is kept as it is, except that '%', '|', '[', ']', '=', '#',
//   ';', control characters and blanks at either end become "%XX" (two upper-case
//   hexadecimal digits), so that every name reads back as itself and "|" can join names;
// - a number is a signed 32-bit decimal ("-12");
// - a string stands in double quotes; '"', '\' and control characters inside are escaped
//   as \" \\ \n \r \t or \xHH.
// A value in quotes is a string and nothing else, a bare value a number and nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnhost {

std::string EscapeName(std::string_view name);

std::string FormatStoredNumber(int32_t value);
// The number a value holds, or nothing when it is not a 32-bit decimal number.
std::optional<int32_t> ParseStoredNumber(std::string_view text);

std::string QuoteString(std::string_view value);
// The string a value holds, or nothing when it is not a well-formed quoted string.
std::optional<std::string> UnquoteString(std::string_view text);

}  // namespace tarnhost
