#include "src/data/HostValueReader.h"

#include <algorithm>

#include "platform/text/Utf.h"

namespace linkmap {

const WString& HostValueReader::Widen(std::string_view text) {
    scratch_.resize(text.size());
    char16_t* out = scratch_.data();
    bool ascii = true;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        ascii = ascii && byte < 0x80;
        out[i] = static_cast<char16_t>(byte);
    }
    if (!ascii) {
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

uint32_t HostValueReader::Number(std::string_view text) {
    if (text.empty() || text.size() > sizeof(uint64_t)) {
        return ConvertNumber(text);
    }
    uint64_t bytes = 0;
    for (size_t i = 0; i < text.size(); ++i)
        bytes |= uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
    CachedNumber& slot = numbers_[(bytes * 0x9E3779B97F4A7C15ull) >> (64 - kCacheBits)];
    if (slot.size != text.size() || slot.text != bytes) {
        slot = CachedNumber{bytes, static_cast<uint32_t>(text.size()), ConvertNumber(text)};
    }
    return slot.value;
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
