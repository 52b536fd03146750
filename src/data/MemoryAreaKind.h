// Display names of the kinds of memory area that a device's memory map lists.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kAreaKindOnChipRom = "On-Chip ROM";
inline constexpr std::string_view kAreaKindOnChipRam = "On-Chip RAM";
inline constexpr std::string_view kAreaKindExternal = "External";

// The display name of a kind word, compared ignoring case; "External" for unknown words.
std::string AreaKindName(std::string_view word);
