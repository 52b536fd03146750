#include "src/shell/TarnIdText.h"

std::string TarnIdText(const TarnId& id) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "{";
    for (size_t i = 0; i < id.bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            text += '-';
        }
        text += kDigits[id.bytes[i] >> 4];
        text += kDigits[id.bytes[i] & 0x0F];
    }
    text += '}';
    return text;
}
