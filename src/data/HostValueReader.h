// Reads the numbers of the map listing through the host's value conversion service, which
// alone knows the number syntax. A text that is not a number reads as 0. Sizes repeat from row
// to row, so the reader asks the service once per distinct short size text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "src/data/LinkMapText.h"
#include "src/shell/HostInterfaces.h"

namespace linkmap {

class HostValueReader {
public:
    // The service may be null: every number then reads as 0.
    explicit HostValueReader(IBraeValueConversion* service) : service_(service) {}

    // Text to address in radix 16.
    uint32_t Address(std::string_view text);
    // Text to number in radix 16 (sizes). Inline: a listing has a size on every symbol line.
    // readable: how many bytes from the text's start may be read, at least its size.
    uint32_t Number(std::string_view text, size_t readable) {
        if (text.empty() || text.size() > sizeof(uint64_t)) {
            return ConvertNumber(text);
        }
        const uint64_t bytes = WordBytes(text, readable);
        CachedNumber& slot = numbers_[(bytes * 0x9E3779B97F4A7C15ull) >> (64 - kCacheBits)];
        if (slot.size != text.size() || slot.text != bytes) {
            slot = CachedNumber{bytes, static_cast<uint32_t>(text.size()), ConvertNumber(text)};
        }
        return slot.value;
    }
    uint32_t Number(std::string_view text) { return Number(text, text.size()); }
    // The highest address of the target: as many "F" digits as the host writes for an address.
    // The whole 32-bit space when the host cannot say.
    uint32_t AddressLimit();

private:
    // A short size text and what the service made of it.
    struct CachedNumber {
        uint64_t text = 0;  // its bytes, the first lowest, zero after its end
        uint32_t size = 0;  // 0 for an empty slot
        uint32_t value = 0;
    };
    static constexpr int kCacheBits = 8;
    static constexpr size_t kCachedNumbers = size_t{1} << kCacheBits;

    const WString& Widen(std::string_view text);
    uint32_t ConvertNumber(std::string_view text);

    std::array<CachedNumber, kCachedNumbers> numbers_{};

    IBraeValueConversion* service_;
    WString scratch_;  // reused for every conversion, so reading a number allocates nothing
};

}  // namespace linkmap
