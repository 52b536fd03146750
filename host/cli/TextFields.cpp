#include "host/cli/TextFields.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace tarncli {
namespace {

// The letter after the backslash for each character that is written escaped; 0 for the others.
constexpr std::array<char, 256> kEscapeLetters = [] {
    std::array<char, 256> letters{};
    letters['\t'] = 't';
    letters['\n'] = 'n';
    letters['\r'] = 'r';
    letters['\\'] = '\\';
    return letters;
}();

}  // namespace

namespace {

// Whether any of eight bytes is a tab, line feed, carriage return or backslash; may also say
// so for a few other control bytes, which then only take the byte-wise way.
bool MayNeedEscape(uint64_t bytes) {
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    constexpr uint64_t kHighs = 0x8080808080808080ull;
    const uint64_t backslashes = bytes ^ (kOnes * '\\');
    const uint64_t zeroByte = (backslashes - kOnes) & ~backslashes & kHighs;
    const uint64_t belowFourteen = (bytes - kOnes * 14) & ~bytes & kHighs;
    return (zeroByte | belowFourteen) != 0;
}

}  // namespace

char* WriteEscaped(char* out, std::string_view text) {
    // Texts rarely hold a character to escape: they are copied a word of eight bytes at a time
    // until one might.
    if (text.size() >= 8) {
        size_t done = 0;
        uint64_t bytes;
        for (; done + 8 <= text.size(); done += 8) {
            std::memcpy(&bytes, text.data() + done, 8);
            if (MayNeedEscape(bytes)) {
                break;
            }
            std::memcpy(out + done, &bytes, 8);
        }
        if (done + 8 > text.size()) {
            // The rest is the end of the last eight bytes, which overlap what is written.
            const size_t last = text.size() - 8;
            std::memcpy(&bytes, text.data() + last, 8);
            if (!MayNeedEscape(bytes)) {
                std::memcpy(out + last, &bytes, 8);
                return out + text.size();
            }
        }
        out += done;
        text.remove_prefix(done);
    } else {
        // A short text, padded with letters to a word and written as one.
        uint64_t bytes = text.size() == 0 ? 0 : 0x4141414141414141ull << (8 * text.size());
        for (size_t i = 0; i < text.size(); ++i)
            bytes |= uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
        if (text.empty() || !MayNeedEscape(bytes)) {
            std::memcpy(out, &bytes, 8);
            return out + text.size();
        }
    }
    for (char c : text) {
        const char letter = kEscapeLetters[static_cast<unsigned char>(c)];
        if (letter == 0) {
            *out++ = c;
        } else {
            *out++ = '\\';
            *out++ = letter;
        }
    }
    return out;
}

std::string EscapeField(std::string_view text) {
    std::string out(2 * text.size() + kEscapeSlack, '\0');
    out.resize(static_cast<size_t>(WriteEscaped(out.data(), text) - out.data()));
    return out;
}

std::string HexField(uint32_t value) {
    std::string out(8, '0');
    WriteHex(out.data(), value);
    return out;
}

std::string Row(std::initializer_list<std::string> fields) {
    std::string line;
    bool first = true;
    for (const auto& field : fields) {
        if (!first) {
            line += '\t';
        }
        line += field;
        first = false;
    }
    line += '\n';
    return line;
}

}  // namespace tarncli
