// The host's value conversion service. Texts are fixed so that they are predictable:
// an address is 8 upper-case hexadecimal digits ("0000FF00"); a number is "0x" and upper-case
// hexadecimal digits without padding ("0x1F0"). Reading takes radix 16 (or 10), an optional
// "0x"/"0X" prefix in radix 16 and ignores surrounding blanks.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/lib/HostObject.h"

namespace tarnhost {

// Reads a number as the service does; kStatusOutOfRange above 32 bits, kStatusFail for an
// empty or malformed text.
HResult ParseNumber(std::u16string_view text, int32_t radix, uint32_t* value);

class ValueConversionService final : public HostObject<IBraeValueConversion> {
public:
    ValueConversionService();

    HResult TextToAddress(const WString& text, int32_t radix, uint32_t* value) override;
    HResult TextToNumber(const WString& text, int32_t radix, uint32_t* value) override;
    HResult NumberToText(uint32_t value, int32_t radix, WString* text) override;
    HResult AddressToText(uint32_t value, int32_t formatWord1, int32_t formatWord2,
                          int32_t formatWord3, WString* text) override;
};

}  // namespace tarnhost
