#include "platform/text/Utf.h"

#include <cstdint>

namespace tarnui {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
// A byte that is not part of valid UTF-8 travels as a lone low surrogate U+DC80 to U+DCFF,
// which valid UTF-8 can never produce, and turns back into the same byte.
constexpr char32_t kEscapedByteFirst = 0xDC80;
constexpr char32_t kEscapedByteLast = 0xDCFF;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    AppendUtf8ToUtf16(text, out);
    return out;
}

void AppendUtf8ToUtf16(std::string_view text, std::u16string& out) {
    // Most texts are plain ASCII: their leading ASCII run is widened in one pass.
    size_t ascii = 0;
    while (ascii < text.size() && static_cast<uint8_t>(text[ascii]) < 0x80) {
        ++ascii;
    }
    const size_t base = out.size();
    out.resize(base + ascii);
    for (size_t k = 0; k < ascii; ++k) {
        out[base + k] = static_cast<char16_t>(text[k]);
    }
    if (ascii == text.size()) {
        return;
    }
    out.reserve(base + text.size());
    size_t i = ascii;
    while (i < text.size()) {
        const auto lead = static_cast<uint8_t>(text[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        int length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2, cp = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, cp = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, cp = lead & 0x07, minimum = 0x10000;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<uint8_t>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        valid = valid && cp >= minimum && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (valid) {
            AppendUtf16(out, cp);
            i += length;
        } else {
            out.push_back(static_cast<char16_t>(kEscapedByteFirst - 0x80 + lead));
            ++i;
        }
    }
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    AppendUtf16ToUtf8(text, out);
    return out;
}

void AppendUtf16ToUtf8(std::u16string_view text, std::string& out) {
    // Most texts are plain ASCII: their leading ASCII run is copied in one pass.
    size_t ascii = 0;
    while (ascii < text.size() && text[ascii] < 0x80) {
        ++ascii;
    }
    const size_t base = out.size();
    out.resize(base + ascii);
    for (size_t k = 0; k < ascii; ++k) {
        out[base + k] = static_cast<char>(text[k]);
    }
    if (ascii == text.size()) {
        return;
    }
    out.reserve(base + text.size());
    for (size_t i = ascii; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= kEscapedByteFirst && cp <= kEscapedByteLast) {
            out.push_back(static_cast<char>(cp - kEscapedByteFirst + 0x80));
            continue;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        AppendUtf8(out, cp);
    }
}

}  // namespace tarnui
