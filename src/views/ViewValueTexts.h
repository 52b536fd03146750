// Addresses and sizes as the views show them, written by the host's value conversion service:
// an address through its address formatting, a size through its number formatting in radix 16
// without the first two characters (the radix prefix).
#pragma once

#include <cstdint>
#include <string>

#include "src/shell/HostInterfaces.h"

// "" when there is no service or it fails.
std::string FormatViewAddress(IBraeValueConversion* conversion, uint32_t value);
std::string FormatViewSize(IBraeValueConversion* conversion, uint32_t value);
