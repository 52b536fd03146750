#include "host/cli/TextFields.h"

#include <cstdio>

namespace tarncli {

std::string EscapeField(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string HexField(uint32_t value) {
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, "%08X", value);
    return buffer;
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
