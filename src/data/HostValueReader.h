// Reads the numbers of the map listing through the host's value conversion service, which
// alone knows the number syntax. A text that is not a number reads as 0.
#pragma once

#include <cstdint>
#include <string_view>

#include "src/shell/HostInterfaces.h"

namespace linkmap {

class HostValueReader {
public:
    // The service may be null: every number then reads as 0.
    explicit HostValueReader(IBraeValueConversion* service) : service_(service) {}

    // Text to address in radix 16.
    uint32_t Address(std::string_view text);
    // Text to number in radix 16 (sizes).
    uint32_t Number(std::string_view text);
    // The highest address of the target: as many "F" digits as the host writes for an address.
    // The whole 32-bit space when the host cannot say.
    uint32_t AddressLimit();

private:
    const WString& Widen(std::string_view text);

    IBraeValueConversion* service_;
    WString scratch_;  // reused for every conversion, so reading a number allocates nothing
};

}  // namespace linkmap
