#include "src/data/HostValueReader.h"

#include <algorithm>

#include "platform/text/Utf.h"

namespace linkmap {
namespace {

// One to eight hexadecimal digits and nothing else: every radix-16 reading gives their plain
// value, so such a field, the common case in a listing, is read without the service's round trip.
bool ReadPlainHex(std::string_view text, uint32_t& value) {
    if (text.empty() || text.size() > 8) {
        return false;
    }
    uint32_t result = 0;
    for (const char c : text) {
        uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<uint32_t>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<uint32_t>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<uint32_t>(c - 'a' + 10);
        } else {
            return false;
        }
        result = (result << 4) | digit;
    }
    value = result;
    return true;
}

}  // namespace

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
    if (service_ != nullptr && ReadPlainHex(text, value)) {
        return value;
    }
    if (service_ == nullptr || Failed(service_->TextToAddress(Widen(text), 16, &value))) {
        return 0;
    }
    return value;
}

uint32_t HostValueReader::Number(std::string_view text) {
    uint32_t value = 0;
    if (service_ != nullptr && ReadPlainHex(text, value)) {
        return value;
    }
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
