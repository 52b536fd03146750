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

// Whether any of the eight bytes is below 0x20 or a backslash: those are the only ones that may
// need escaping, so a block without them is copied whole.
bool MayNeedEscaping(uint64_t bytes) {
    constexpr uint64_t kOnes = 0x0101010101010101u;
    constexpr uint64_t kHighs = 0x8080808080808080u;
    const uint64_t backslashes = bytes ^ (kOnes * '\\');
    const uint64_t below = (bytes - kOnes * 0x20) & ~bytes;
    const uint64_t zero = (backslashes - kOnes) & ~backslashes;
    return ((below | zero) & kHighs) != 0;
}

}  // namespace

char* WriteEscaped(char* out, std::string_view text) {
    size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        uint64_t bytes;
        std::memcpy(&bytes, text.data() + at, 8);
        if (MayNeedEscaping(bytes)) {
            break;
        }
        std::memcpy(out, &bytes, 8);
        out += 8;
    }
    for (char c : text.substr(at)) {
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

char* WriteHex(char* out, uint32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int shift = 28; shift >= 0; shift -= 4) {
        *out++ = kDigits[(value >> shift) & 0xF];
    }
    return out;
}

std::string EscapeField(std::string_view text) {
    std::string out(2 * text.size(), '\0');
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
