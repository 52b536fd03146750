#include "host/lib/StoreText.h"

#include <charconv>

namespace tarnhost {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendHex(unsigned char byte, std::string& out) {
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string EscapeName(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool edgeBlank = byte == ' ' && (i == 0 || i + 1 == name.size());
        if (edgeBlank || IsControl(byte) ||
            std::string_view("%|[]=#;").find(name[i]) != std::string_view::npos) {
            out += '%';
            AppendHex(byte, out);
        } else {
            out += name[i];
        }
    }
    return out;
}

std::string FormatStoredNumber(int32_t value) {
    return std::to_string(value);
}

std::optional<int32_t> ParseStoredNumber(std::string_view text) {
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value, 10);
    if (text.empty() || error != std::errc() || at != end) {
        return std::nullopt;
    }
    return value;
}

std::string QuoteString(std::string_view value) {
    std::string out = "\"";
    for (const char c : value) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (IsControl(static_cast<unsigned char>(c))) {
                    out += "\\x";
                    AppendHex(static_cast<unsigned char>(c), out);
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

std::optional<std::string> UnquoteString(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
        return std::nullopt;
    }
    text = text.substr(1, text.size() - 2);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            return std::nullopt;  // a quote inside must be escaped
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'x': {
                const int high = i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
                const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
                if (low < 0) {
                    return std::nullopt;
                }
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return out;
}

}  // namespace tarnhost
