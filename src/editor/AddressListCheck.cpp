#include "src/editor/AddressListCheck.h"

#include <utility>

#include "platform/text/Utf.h"
#include "src/editor/CheckText.h"
#include "src/editor/SectionCheckErrors.h"

using checktext::IsBlankOrTab;
using checktext::TrimWhiteSpace;

namespace {

// Every ","-separated piece of the text, empty pieces included.
std::vector<std::string_view> CommaPieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    size_t begin = 0;
    for (;;) {
        const size_t comma = text.find(',', begin);
        if (comma == std::string_view::npos) {
            pieces.push_back(text.substr(begin));
            return pieces;
        }
        pieces.push_back(text.substr(begin, comma - begin));
        begin = comma + 1;
    }
}

// The items of an address list, split once so that reading every item stays linear.
class AddressItems {
public:
    AddressItems(std::string_view text, bool severalAllowed)
        : text_(text), several_(severalAllowed) {
        // A list of one item (the usual case) needs no pieces.
        if (several_ && text.find(',') != std::string_view::npos) {
            pieces_ = CommaPieces(text);
        }
    }

    void Split(size_t index, bool rangeAllowed, std::string& start, std::string& end) const {
        std::string_view piece = text_;
        if (!pieces_.empty()) {
            piece = index < pieces_.size() ? pieces_[index] : std::string_view();
        } else if (several_ && index > 0) {
            piece = std::string_view();
        }
        std::string item;
        item.reserve(piece.size());
        for (char c : piece) {
            if (!IsBlankOrTab(c)) {
                item.push_back(c);
            }
        }
        const size_t dash = rangeAllowed ? item.find('-') : std::string::npos;
        if (dash == std::string::npos) {
            start = std::move(item);
            end.clear();
        } else {
            start = item.substr(0, dash);
            end = item.substr(dash + 1);
        }
    }

private:
    std::string_view text_;
    bool several_;
    std::vector<std::string_view> pieces_;
};

// The wide texts handed to and taken from the service, kept per thread so that checking and
// converting the addresses of many groups reuses their buffers.
struct ServiceTexts {
    WString in;
    WString out;
};

ServiceTexts& Scratch() {
    thread_local ServiceTexts texts;
    return texts;
}

const WString& Widened(std::string_view text) {
    WString& wide = Scratch().in;
    wide.clear();
    tarnui::AppendUtf8ToUtf16(text, wide);
    return wide;
}

// Appends the service's own text of an address; false when the service cannot read it.
bool AppendAddressText(const std::string& address, IBraeValueConversion* service,
                       std::string& out) {
    uint32_t value = 0;
    WString& text = Scratch().out;
    if (service == nullptr || service->TextToNumber(Widened(address), 16, &value) != kStatusOk ||
        Failed(service->AddressToText(value, 0, 0, 0, &text))) {
        return false;
    }
    tarnui::AppendUtf16ToUtf8(text, out);
    return true;
}

}  // namespace

int CountAddressItems(std::string_view text, bool severalAllowed) {
    if (!severalAllowed) {
        return 1;
    }
    int count = 1;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == ',') {
            ++count;
        }
    }
    return count;
}

int HasAddressRange(std::string_view text) {
    const size_t dash = text.find('-');
    return dash != std::string_view::npos && dash + 1 < text.size() ? 1 : 0;
}

void SplitAddressItem(int index, std::string_view text, bool rangeAllowed, bool severalAllowed,
                      std::string& start, std::string& end) {
    if (index < 0) {
        start.clear();
        end.clear();
        return;
    }
    AddressItems(text, severalAllowed).Split(static_cast<size_t>(index), rangeAllowed, start, end);
}

int ReadAddress(std::string_view text, int which, IBraeValueConversion* service, uint32_t& value) {
    if (text.empty()) {
        switch (which) {
            case kReadStartAddress:
                return kCheckStartAddressMissing;
            case kReadEndAddress:
                return kCheckEndAddressMissing;
            default:
                return kCheckIllegalAddress;
        }
    }
    if (service == nullptr) {
        return kCheckIllegalAddress;
    }
    uint32_t read = 0;
    const HResult status = service->TextToNumber(Widened(text), 16, &read);
    if (status == kStatusOk) {
        value = read;
        return kCheckSuccess;
    }
    return status == kStatusOutOfRange ? kCheckAddressOutOfRange : kCheckIllegalAddress;
}

int CheckAddressList(std::string_view text, bool rangeAllowed, bool severalAllowed,
                     IBraeValueConversion* service) {
    const int count = CountAddressItems(text, true);
    const bool hasRange = HasAddressRange(text) != 0;
    if (!severalAllowed && count > 1) {
        return kCheckSeveralAddressesNotAllowed;
    }
    if (!rangeAllowed && hasRange) {
        return kCheckEndAddressNotAllowed;
    }
    const AddressItems items(text, severalAllowed);
    std::string start;
    std::string end;
    for (int i = 0; i < count; ++i) {
        items.Split(static_cast<size_t>(i), rangeAllowed, start, end);
        uint32_t startValue = 0;
        if (const int error = ReadAddress(start, kReadStartAddress, service, startValue)) {
            return error;
        }
        // Once any item has an end, every item needs one.
        if (rangeAllowed && hasRange) {
            uint32_t endValue = 0;
            if (const int error = ReadAddress(end, kReadEndAddress, service, endValue)) {
                return error;
            }
            if (endValue < startValue) {
                return kCheckStartNotBelowEnd;
            }
        }
    }
    return kCheckSuccess;
}

void NormalizeAddressList(std::string& text, bool rangeAllowed, bool severalAllowed,
                          IBraeValueConversion* service) {
    const std::string_view trimmed = TrimWhiteSpace(text);
    const int count = CountAddressItems(trimmed, true);
    const bool hasRange = rangeAllowed && HasAddressRange(trimmed) != 0;
    const AddressItems items(trimmed, severalAllowed);
    std::string result;
    std::string start;
    std::string end;
    for (int i = 0; i < count; ++i) {
        items.Split(static_cast<size_t>(i), rangeAllowed, start, end);
        if (!AppendAddressText(start, service, result)) {
            return;
        }
        if (hasRange) {
            result.push_back('-');
            if (!AppendAddressText(end, service, result)) {
                return;
            }
        }
        if (i + 1 < count) {
            result.push_back(',');
        }
    }
    text = std::move(result);
}

std::string JoinAddressList(bool rangeAllowed, bool severalAllowed,
                            const std::vector<std::string>& starts,
                            const std::vector<std::string>& ends) {
    const size_t count = severalAllowed ? starts.size() : 1;
    std::string result;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) {
            result.push_back(',');
        }
        if (i < starts.size()) {
            result += starts[i];
        }
        if (rangeAllowed && i < ends.size() && !ends[i].empty()) {
            result.push_back('-');
            result += ends[i];
        }
    }
    return result;
}
