#include "host/lib/LldMapParser.h"

#include <cctype>

#include "host/lib/MapText.h"

namespace tarnhost {
namespace {

using maptext::NextWord;
using maptext::ParseHex;
using maptext::Trim;

// The name a script assignment of the location counter defines ("NAME = ."): the map shows
// the location counter, which is the symbol's value only then. Empty for anything else.
std::string_view AssignedName(std::string_view text) {
    const size_t equals = text.find(" = ");
    if (equals == std::string_view::npos || Trim(text.substr(equals + 3)) != ".") {
        return {};
    }
    std::string_view name = Trim(text.substr(0, equals));
    for (std::string_view provide : {"PROVIDE_HIDDEN(", "PROVIDE("}) {
        if (name.starts_with(provide)) {
            name = Trim(name.substr(provide.size()));
        }
    }
    if (name.empty() || name == ".") {
        return {};
    }
    for (char c : name) {
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$')) {
            return {};
        }
    }
    return name;
}

class LldParser {
public:
    LinkedProgram Parse(std::string_view text) {
        program_.format = MapFormat::kLld;
        maptext::ForEachLine(text, [this](std::string_view line) { return Line(line); });
        return std::move(program_);
    }

private:
    bool Line(std::string_view line) {
        if (!header_) {
            if (IsLldMapHeader(line)) {
                header_ = true;
                numbers_ = line.find("LMA") != std::string_view::npos ? 4 : 3;
            }
            return true;
        }
        std::string_view rest = line;
        uint64_t values[4] = {};
        for (int i = 0; i < numbers_; ++i) {
            const auto value = ParseHex(NextWord(rest));
            if (!value) {
                return true;
            }
            values[i] = *value;
        }
        const uint64_t address = values[0];
        const uint64_t size = values[numbers_ - 2];
        const uint64_t alignment = values[numbers_ - 1];
        // The last column starts where the first line's does (an output section), 8 further
        // for an input section and 16 further for a symbol.
        const std::string_view text = Trim(rest);
        if (text.empty()) {
            return true;
        }
        const size_t textStart = static_cast<size_t>(text.data() - line.data());
        if (column_ == std::string_view::npos) {
            column_ = textStart;
        }
        const size_t depth = textStart > column_ ? (textStart - column_ + 4) / 8 : 0;
        if (depth == 0 && text.find(" = ") == std::string_view::npos) {
            std::optional<uint64_t> load;
            if (numbers_ == 4 && values[1] != address) {
                load = values[1];  // the LMA column
            }
            program_.sections.push_back({std::string(text), address, size, alignment,
                                         !IsNonAllocatedSectionName(text),
                                         IsZeroFillSectionName(text), load});
            output_ = static_cast<uint32_t>(program_.sections.size() - 1);
            file_ = kNoIndex;
        } else if (depth == 1 && text.find(" = ") == std::string_view::npos) {
            InputSection(text, address, size);
        } else {
            Symbol(text, address, size);
        }
        return true;
    }

    // "FILE:(SECTION)"; the file may be an archive member "lib.a(member.o)".
    void InputSection(std::string_view text, uint64_t address, uint64_t size) {
        const size_t cut = text.rfind(":(");
        if (cut == std::string_view::npos || output_ == kNoIndex) {
            file_ = kNoIndex;
            return;
        }
        file_ = program_.FileIndex(text.substr(0, cut));
        program_.inputs.push_back({output_, address, size, file_});
    }

    void Symbol(std::string_view text, uint64_t address, uint64_t size) {
        ProgramSymbol symbol;
        symbol.address = address;
        if (text.find(" = ") != std::string_view::npos) {
            const std::string_view name = AssignedName(text);
            if (name.empty()) {
                return;
            }
            symbol.name = name;
            symbol.output = program_.OutputHolding(output_, address);
        } else {
            if (text.find_first_of(" \t") != std::string_view::npos) {
                return;
            }
            symbol.name = text;
            symbol.size = size;
            symbol.output = output_;
            symbol.file = file_;
        }
        program_.symbols.push_back(std::move(symbol));
    }

    LinkedProgram program_;
    bool header_ = false;
    size_t column_ = std::string_view::npos;  // where output section names start
    int numbers_ = 4;
    uint32_t output_ = kNoIndex;
    uint32_t file_ = kNoIndex;
};

}  // namespace

bool IsLldMapHeader(std::string_view line) {
    std::string_view rest = line;
    std::string_view first = NextWord(rest);
    if (first != "VMA" && first != "Address") {
        return false;
    }
    std::string_view expected =
        first == "VMA" ? "LMA Size Align Out In Symbol" : "Size Align Out In Symbol";
    while (!expected.empty()) {
        if (NextWord(rest) != NextWord(expected)) {
            return false;
        }
    }
    return Trim(rest).empty();
}

LinkedProgram ParseLldMap(std::string_view text) {
    return LldParser().Parse(text);
}

}  // namespace tarnhost
