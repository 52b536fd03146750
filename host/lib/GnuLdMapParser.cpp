#include "host/lib/GnuLdMapParser.h"

#include <cctype>

#include "host/lib/MapText.h"

namespace tarnhost {
namespace {

using maptext::Indent;
using maptext::NextWord;
using maptext::ParseHex;
using maptext::Trim;

bool IsIdentifier(std::string_view name) {
    if (name.empty() || name == ".") {
        return false;
    }
    for (char c : name) {
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$')) {
            return false;
        }
    }
    return true;
}

// The symbol a script assignment defines: "NAME = ...", "PROVIDE (NAME = ...)" or
// "PROVIDE_HIDDEN (NAME = ...)"; empty for the location counter and anything else.
std::string_view AssignedName(std::string_view text, bool* hidden) {
    *hidden = false;
    for (std::string_view provide : {"PROVIDE_HIDDEN", "PROVIDE"}) {
        if (text.starts_with(provide)) {
            *hidden = provide == "PROVIDE_HIDDEN";
            text = Trim(text.substr(provide.size()));
            if (text.empty() || text.front() != '(') {
                return {};
            }
            text.remove_prefix(1);
            break;
        }
    }
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const std::string_view name = Trim(text.substr(0, equals));
    return IsIdentifier(name) ? name : std::string_view{};
}

class GnuLdParser {
public:
    LinkedProgram Parse(std::string_view text) {
        program_.format = MapFormat::kGnuLd;
        // About one symbol and one input section per hundred bytes of a large map.
        program_.symbols.reserve(text.size() / 128);
        program_.inputs.reserve(text.size() / 128);
        maptext::ForEachLine(text, [this](std::string_view line) { return Line(line); });
        return std::move(program_);
    }

private:
    enum class State { kPreamble, kMemory, kMap, kDone };

    bool Line(std::string_view line) {
        // The part headings stand at the start of a line.
        if (!line.empty() && !maptext::IsBlank(line.front())) {
            const std::string_view heading = Trim(line);
            if (heading == "Memory Configuration") {
                state_ = State::kMemory;
                return true;
            }
            if (heading == "Linker script and memory map") {
                state_ = State::kMap;
                return true;
            }
            if (heading == "Cross Reference Table") {
                return false;
            }
        }
        if (state_ == State::kMemory) {
            RegionLine(Trim(line));
        } else if (state_ == State::kMap) {
            MapLine(line);
        }
        return true;
    }

    void RegionLine(std::string_view text) {
        const std::string_view name = NextWord(text);
        const auto origin = ParseHex(NextWord(text));
        const auto length = ParseHex(NextWord(text));
        if (!origin || !length || name == "*default*") {
            return;
        }
        program_.regions.push_back(
            {std::string(name), *origin, *length, std::string(NextWord(text))});
    }

    void MapLine(std::string_view line) {
        if (line.empty()) {
            return;
        }
        std::string_view rest = line;
        if (!maptext::IsBlank(line.front())) {
            pendingInput_ = {};
            const std::string_view name = NextWord(rest);
            if (Trim(rest).empty()) {
                pendingOutput_ = name;  // values follow on the next line
                output_ = kNoIndex;
            } else {
                pendingOutput_ = {};
                OutputSectionValues(name, rest);
            }
            return;
        }
        if (!pendingOutput_.empty()) {
            const std::string_view name = pendingOutput_;
            pendingOutput_ = {};
            if (OutputSectionValues(name, rest)) {
                return;
            }
        }
        if (!pendingInput_.empty()) {
            const std::string_view name = pendingInput_;
            pendingInput_ = {};
            if (InputSectionValues(name, rest)) {
                return;
            }
        }
        if (Indent(line) == 1) {
            InputSectionLine(rest);
        } else {
            SymbolLine(rest);
        }
    }

    // "ADDRESS SIZE [load address LMA]" after an output section's name.
    bool OutputSectionValues(std::string_view name, std::string_view rest) {
        const auto address = ParseHex(NextWord(rest));
        const auto size = ParseHex(NextWord(rest));
        if (!address || !size) {
            output_ = kNoIndex;
            return false;
        }
        OutputSection section;
        section.name = name;
        section.address = *address;
        section.size = *size;
        section.allocated = !IsNonAllocatedSectionName(name);
        section.zeroFill = IsZeroFillSectionName(name);
        if (NextWord(rest) == "load" && NextWord(rest) == "address") {
            const auto load = ParseHex(NextWord(rest));
            if (load && *load != *address) {
                section.loadAddress = *load;
            }
        }
        program_.sections.push_back(std::move(section));
        output_ = static_cast<uint32_t>(program_.sections.size() - 1);
        file_ = kNoIndex;
        return true;
    }

    void InputSectionLine(std::string_view rest) {
        std::string_view words = rest;
        const std::string_view name = NextWord(words);
        if (name.empty() || name.front() == '*') {
            file_ = kNoIndex;  // an input section pattern or fill
            return;
        }
        if (Trim(words).empty()) {
            pendingInput_ = name;
            return;
        }
        InputSectionValues(name, words);
    }

    // "ADDRESS SIZE FILE" after an input section's name.
    bool InputSectionValues(std::string_view /*name*/, std::string_view rest) {
        const auto address = ParseHex(NextWord(rest));
        const auto size = ParseHex(NextWord(rest));
        if (!address || !size) {
            return false;
        }
        const std::string_view file = Trim(rest);
        file_ = file.empty() ? kNoIndex : program_.FileIndex(file);
        if (output_ != kNoIndex && file_ != kNoIndex) {
            program_.inputs.push_back({output_, *address, *size, file_});
        }
        return true;
    }

    // "ADDRESS NAME" for a symbol of the current input section, "ADDRESS NAME = ..." for an
    // assignment of the script.
    void SymbolLine(std::string_view rest) {
        const auto address = ParseHex(NextWord(rest));
        const std::string_view text = Trim(rest);
        if (!address || text.empty() || text.front() == '(') {
            return;
        }
        ProgramSymbol symbol;
        symbol.address = *address;
        if (text.find('=') == std::string_view::npos) {
            if (text.find_first_of(" \t") != std::string_view::npos) {
                return;
            }
            symbol.name = text;
            symbol.output = output_;
            symbol.file = file_;
        } else {
            bool hidden = false;
            const std::string_view name = AssignedName(text, &hidden);
            if (name.empty()) {
                return;
            }
            symbol.name = name;
            symbol.local = hidden;
            symbol.output = program_.OutputHolding(output_, *address);
        }
        program_.symbols.push_back(std::move(symbol));
    }

    LinkedProgram program_;
    State state_ = State::kPreamble;
    std::string_view pendingOutput_;
    std::string_view pendingInput_;
    uint32_t output_ = kNoIndex;
    uint32_t file_ = kNoIndex;
};

}  // namespace

LinkedProgram ParseGnuLdMap(std::string_view text) {
    return GnuLdParser().Parse(text);
}

}  // namespace tarnhost
