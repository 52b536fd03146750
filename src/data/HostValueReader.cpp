#include "src/data/HostValueReader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/text/Utf.h"

namespace linkmap {
namespace {

// Four bytes of the low half of bytes, each into the low byte of a 16-bit unit.
uint64_t SpreadFour(uint64_t bytes) {
    bytes &= 0xFFFFFFFFull;
    bytes = (bytes | bytes << 16) & 0x0000FFFF0000FFFFull;
    return (bytes | bytes << 8) & 0x00FF00FF00FF00FFull;
}

}  // namespace

const WString& HostValueReader::Widen(std::string_view text) {
    scratch_.resize(text.size());
    char16_t* out = scratch_.data();
    uint64_t all = 0;  // every byte or-ed: no high bit for a text of ASCII only
    size_t i = 0;
    // Eight characters at a time: an address is written with eight digits.
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t bytes;
        std::memcpy(&bytes, text.data() + i, sizeof bytes);
        all |= bytes;
        if constexpr (std::endian::native == std::endian::little) {
            const uint64_t units[2] = {SpreadFour(bytes), SpreadFour(bytes >> 32)};
            std::memcpy(out + i, units, sizeof units);
        } else {
            for (size_t k = 0; k < 8; ++k)
                out[i + k] = static_cast<char16_t>(static_cast<unsigned char>(text[i + k]));
        }
    }
    for (; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        all |= byte;
        out[i] = static_cast<char16_t>(byte);
    }
    if ((all & 0x8080808080808080ull) != 0) {
        scratch_ = tarnui::Utf8ToUtf16(text);
    }
    return scratch_;
}

uint32_t HostValueReader::Address(std::string_view text) {
    uint32_t value = 0;
    if (service_ == nullptr || Failed(service_->TextToAddress(Widen(text), 16, &value))) {
        return 0;
    }
    return value;
}

uint32_t HostValueReader::ConvertNumber(std::string_view text) {
    uint32_t value = 0;
    if (service_ == nullptr || Failed(service_->TextToNumber(Widen(text), 16, &value))) {
        return 0;
    }
    return value;
}

uint32_t HostValueReader::AddressLimit() {
    constexpr uint32_t kWholeSpace = 0xFFFFFFFFu;
    WString zero;
    if (service_ == nullptr || Failed(service_->AddressToText(0, 0, 0, 0, &zero)) || zero.empty()) {
        return kWholeSpace;
    }
    // More than 16 digits cannot fit 32 bits; the host then answers out of range anyway.
    const WString highest(std::min<size_t>(zero.size(), 17), u'F');
    uint32_t value = 0;
    if (Failed(service_->TextToAddress(highest, 16, &value))) {
        return kWholeSpace;
    }
    return value;
}

}  // namespace linkmap
