#include "host/lib/ValueConversion.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>

namespace tarnhost {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The value of each character as a digit; 99 for a character that is none.
constexpr std::array<uint8_t, 128> kDigitValues = [] {
    std::array<uint8_t, 128> values{};
    for (auto& v : values)
        v = 99;
    for (int c = '0'; c <= '9'; ++c)
        values[static_cast<size_t>(c)] = static_cast<uint8_t>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c)
        values[static_cast<size_t>(c)] = static_cast<uint8_t>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c)
        values[static_cast<size_t>(c)] = static_cast<uint8_t>(c - 'A' + 10);
    return values;
}();

int DigitValue(char16_t c) {
    return c < kDigitValues.size() ? kDigitValues[c] : 99;
}

// Writes prefix and the upper-case hexadecimal digits of value, at least minDigits of them, into
// text, keeping its room.
void WriteHex(uint32_t value, int minDigits, std::u16string_view prefix, WString& text) {
    std::array<char16_t, 8> digits{};
    int count = 0;
    do {
        digits[7 - count] = u"0123456789ABCDEF"[value & 0xF];
        value >>= 4;
        ++count;
    } while (value != 0);
    for (; count < minDigits; ++count) {
        digits[7 - count] = u'0';
    }
    text.assign(prefix);
    text.append(digits.data() + 8 - count, digits.data() + 8);
}

void WriteDecimal(uint32_t value, WString& text) {
    std::array<char16_t, 10> digits{};
    int count = 0;
    do {
        digits[9 - count] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
        ++count;
    } while (value != 0);
    text.assign(digits.data() + 10 - count, digits.data() + 10);
}

// Eight hexadecimal digits, the way addresses are written, read eight at a time: their value,
// or nothing when any of the eight characters is no digit.
std::optional<uint32_t> ParseEightHexDigits(std::u16string_view text) {
    if constexpr (std::endian::native != std::endian::little) {
        return std::nullopt;
    }
    uint64_t units[2];
    std::memcpy(units, text.data(), sizeof units);
    if (((units[0] | units[1]) & 0xFF80FF80FF80FF80ull) != 0) {
        return std::nullopt;  // a character beyond ASCII
    }
    // The low bytes of the 16-bit units, the first character in the lowest byte.
    const auto pack = [](uint64_t four) {
        four = (four | four >> 8) & 0x0000FFFF0000FFFFull;
        return (four | four >> 16) & 0xFFFFFFFFull;
    };
    const uint64_t c = pack(units[0]) | pack(units[1]) << 32;
    // Per byte, bit 7 set when the byte lies in [low, high]; every byte is below 0x80, so no
    // sum carries into the next byte.
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    const auto within = [](uint64_t bytes, uint64_t low, uint64_t high) {
        return (bytes + kOnes * (0x80 - low)) & ~(bytes + kOnes * (0x7F - high)) & kOnes * 0x80;
    };
    const uint64_t digit = within(c, '0', '9');
    const uint64_t letter = within(c | kOnes * 0x20, 'a', 'f');
    if ((digit | letter) != kOnes * 0x80) {
        return std::nullopt;
    }
    // A letter's low four bits are 1 to 6 for 'a' to 'f': nine more give its value.
    const uint64_t nibbles = (c & kOnes * 0x0F) + (letter >> 7) * 9;
    // Neighbours joined, the earlier one the more significant, until one number is left.
    uint64_t v = (nibbles << 4 | nibbles >> 8) & 0x00FF00FF00FF00FFull;
    v = (v << 8 | v >> 16) & 0x0000FFFF0000FFFFull;
    v = (v << 16 | v >> 32) & 0xFFFFFFFFull;
    return static_cast<uint32_t>(v);
}

}  // namespace

HResult ParseNumber(std::u16string_view text, int32_t radix, uint32_t* value) {
    if (value == nullptr || (radix != 16 && radix != 10)) {
        return kStatusFail;
    }
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (radix == 16 && text.size() >= 2 && text[0] == u'0' &&
        (text[1] == u'x' || text[1] == u'X')) {
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return kStatusFail;
    }
    if (radix == 16 && text.size() == 8) {
        if (const auto eight = ParseEightHexDigits(text)) {
            *value = *eight;
            return kStatusOk;
        }
        return kStatusFail;
    }
    if (text.size() <= (radix == 16 ? 8u : 9u)) {
        // Too few digits to overflow: one check for a character that is no digit, at the end.
        uint32_t shortResult = 0;
        int highest = 0;
        for (char16_t c : text) {
            const int digit = DigitValue(c);
            highest = std::max(highest, digit);
            const auto d = static_cast<uint32_t>(digit);
            shortResult = radix == 16 ? (shortResult << 4 | d) : shortResult * 10 + d;
        }
        if (highest >= radix) {
            return kStatusFail;
        }
        *value = shortResult;
        return kStatusOk;
    }
    uint64_t result = 0;
    bool overflow = false;
    for (char16_t c : text) {
        const int digit = DigitValue(c);
        if (digit >= radix) {
            return kStatusFail;
        }
        const auto d = static_cast<uint64_t>(digit);
        result = radix == 16 ? (result << 4 | d) : result * 10 + d;
        if (result > 0xFFFFFFFFull) {
            overflow = true;  // keep scanning: a malformed text is reported as such
            result = 0xFFFFFFFFull + 1;
        }
    }
    if (overflow) {
        return kStatusOutOfRange;
    }
    *value = static_cast<uint32_t>(result);
    return kStatusOk;
}

ValueConversionService::ValueConversionService() : HostObject(kIdValueConversionService) {}

HResult ValueConversionService::TextToAddress(const WString& text, int32_t radix, uint32_t* value) {
    return ParseNumber(text, radix, value);
}

HResult ValueConversionService::TextToNumber(const WString& text, int32_t radix, uint32_t* value) {
    return ParseNumber(text, radix, value);
}

HResult ValueConversionService::NumberToText(uint32_t value, int32_t radix, WString* text) {
    if (text == nullptr) {
        return kStatusFail;
    }
    if (radix == 10) {
        WriteDecimal(value, *text);
    } else if (radix == 16) {
        WriteHex(value, 1, u"0x", *text);
    } else {
        return kStatusFail;
    }
    return kStatusOk;
}

HResult ValueConversionService::AddressToText(uint32_t value, int32_t, int32_t, int32_t,
                                              WString* text) {
    if (text == nullptr) {
        return kStatusFail;
    }
    WriteHex(value, 8, u"", *text);
    return kStatusOk;
}

}  // namespace tarnhost
