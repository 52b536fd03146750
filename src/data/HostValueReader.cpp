#include "src/data/HostValueReader.h"

#include <algorithm>

#include "platform/text/Utf.h"

namespace linkmap {

const WString& HostValueReader::Widen(std::string_view text) {
    scratch_.resize(text.size());
    char16_t* out = scratch_.data();
    unsigned char all = 0;  // every byte or-ed: below 0x80 for a text of ASCII only
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        all |= byte;
        out[i] = static_cast<char16_t>(byte);
    }
    if (all >= 0x80) {
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
