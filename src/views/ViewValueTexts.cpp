#include "src/views/ViewValueTexts.h"

#include "platform/text/Utf.h"

std::string FormatViewAddress(IBraeValueConversion* conversion, uint32_t value) {
    WString text;
    if (conversion == nullptr || Failed(conversion->AddressToText(value, 0, -1, 0, &text))) {
        return {};
    }
    return tarnui::Utf16ToUtf8(text);
}

std::string FormatViewSize(IBraeValueConversion* conversion, uint32_t value) {
    WString text;
    if (conversion == nullptr || Failed(conversion->NumberToText(value, 16, &text))) {
        return {};
    }
    const std::string digits = tarnui::Utf16ToUtf8(text);
    return digits.size() > 2 ? digits.substr(2) : std::string();
}
