#include "host/lib/ListingWriter.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <numeric>

#include "host/lib/MapText.h"

namespace tarnhost {
namespace {

using namespace std::string_view_literals;

constexpr uint64_t kAddressLimit = 0xFFFFFFFFu;

void AppendHex(std::string& out, uint64_t value, int width) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char digits[16];
    int length = 0;
    do {
        digits[15 - length++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    if (length < width) {
        out.append(static_cast<size_t>(width - length), '0');
    }
    out.append(digits + 16 - length, static_cast<size_t>(length));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A name that reads back as itself on a line of its own: nothing the reader trims, no
// control character, not a marker or a key line of the listing.
bool IsWritableName(std::string_view name) {
    if (name.empty() || maptext::IsBlank(name.front()) || maptext::IsBlank(name.back())) {
        return false;
    }
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return false;
        }
    }
    const char first = name.front();
    if (first == '*' || first == 'A' || first == 'a') {
        for (std::string_view marker :
             {"*** Mapping List ***", "*** Symbol List ***", "*** Options ***",
              "Absolute value symbols", "*** Delete Symbols ***"}) {
            if (EqualsIgnoringCase(name, marker)) {
                return false;
            }
        }
    }
    // The component names its gap rows so.
    return name != "Unallocated Area" && !name.starts_with("SECTION=") &&
           !name.starts_with("FILE=");
}

// A section name that can stand in a "-start=" group.
bool IsGroupName(std::string_view name) {
    return IsWritableName(name) && name.find_first_of("/,:() \t") == std::string_view::npos;
}

std::string StartOption(const LinkedProgram& program, const std::vector<uint32_t>& listed) {
    std::map<uint64_t, std::vector<uint32_t>> byAddress;
    for (uint32_t index : listed) {
        if (IsGroupName(program.sections[index].name)) {
            byAddress[program.sections[index].address].push_back(index);
        }
    }
    std::string option;
    for (const auto& [address, indices] : byAddress) {
        if (indices.size() < 2) {
            continue;
        }
        option += option.empty() ? "-start=" : ",";
        for (size_t i = 0; i < indices.size(); ++i) {
            option += (i == 0 ? "" : ":") + program.sections[indices[i]].name;
        }
        option += '/';
        AppendHex(option, address, 8);
    }
    return option;
}

std::string_view AttributeWord(SymbolKind kind) {
    switch (kind) {
        case SymbolKind::kFunction:
            return "func";
        case SymbolKind::kData:
            return "data";
        case SymbolKind::kEntry:
            return "entry";
        default:
            return "none";
    }
}

void WriteSections(const LinkedProgram& program, const std::vector<uint32_t>& listed,
                   std::string& out) {
    out += "*** Mapping List ***\n\nSECTION                            START      END         "
           "SIZE   ALIGN\n";
    for (uint32_t index : listed) {
        const OutputSection& s = program.sections[index];
        out += s.name;
        out += "\n                                  ";
        AppendHex(out, s.address, 8);
        out += "  ";
        AppendHex(out, s.address + s.size - 1, 8);
        out += "  ";
        AppendHex(out, s.size, 8);
        out += "   ";
        AppendHex(out, s.alignment == 0 ? 1 : s.alignment, 1);
        out += '\n';
    }
    out += '\n';
}

size_t WriteSymbols(const LinkedProgram& program, std::string& out) {
    std::vector<uint32_t> order;
    order.reserve(program.symbols.size());
    for (uint32_t i = 0; i < program.symbols.size(); ++i) {
        const ProgramSymbol& s = program.symbols[i];
        const bool sectionOk =
            s.output == kNoIndex || IsWritableName(program.sections[s.output].name);
        if (sectionOk && s.address <= kAddressLimit && IsWritableName(s.name)) {
            order.push_back(i);
        }
    }
    // Symbols without a section first: the reader keeps the last section name it saw.
    const auto sectionKey = [&](uint32_t i) {
        const uint32_t output = program.symbols[i].output;
        return output == kNoIndex ? 0ull : uint64_t{output} + 1;
    };
    const auto before = [&](uint32_t a, uint32_t b) {
        const uint64_t ka = sectionKey(a);
        const uint64_t kb = sectionKey(b);
        return ka != kb ? ka < kb : program.symbols[a].address < program.symbols[b].address;
    };
    if (!std::is_sorted(order.begin(), order.end(), before)) {  // maps mostly are
        std::stable_sort(order.begin(), order.end(), before);
    }
    out += "*** Symbol List ***\n\n";
    uint32_t section = kNoIndex;
    uint32_t file = kNoIndex - 1;
    for (uint32_t i : order) {
        const ProgramSymbol& s = program.symbols[i];
        if (s.output != section) {
            section = s.output;
            out += "\nSECTION=" + program.sections[section].name + "\n";
            file = kNoIndex - 1;
        }
        if (s.file != file) {
            file = s.file;
            out += "FILE=";
            if (file != kNoIndex) {
                out += ShortFileName(program.files[file]);
            }
            out += "\n  (file)\n";  // the reader skips the line after a file line
        }
        out += s.name;
        out += "\n  "sv;
        AppendHex(out, s.address, 8);
        out += "  "sv;
        AppendHex(out, std::min(s.size, kAddressLimit), 1);
        out += "   "sv;
        out += AttributeWord(s.kind);
        out += s.local ? " ,l   0\n"sv : " ,g   0\n"sv;
    }
    return order.size();
}

}  // namespace

std::string ShortFileName(std::string_view path) {
    const auto base = [](std::string_view p) {
        const size_t slash = p.find_last_of("/\\");
        return slash == std::string_view::npos ? p : p.substr(slash + 1);
    };
    if (!path.empty() && path.back() == ')') {
        const size_t open = path.find('(');
        if (open != std::string_view::npos && open > 0) {
            const std::string_view member = path.substr(open + 1, path.size() - open - 2);
            return std::string(base(path.substr(0, open))) + "(" + std::string(base(member)) +
                   ")";
        }
    }
    return std::string(base(path));
}

bool IsListedSection(const OutputSection& section) {
    return section.allocated && section.size > 0 && section.address <= kAddressLimit &&
           section.size - 1 <= kAddressLimit - section.address && IsWritableName(section.name);
}

std::string WriteComponentListing(const LinkedProgram& program, const std::string& origin,
                                  ListingCounts* counts) {
    std::vector<uint32_t> listed;
    for (uint32_t i = 0; i < program.sections.size(); ++i) {
        if (IsListedSection(program.sections[i])) {
            listed.push_back(i);
        }
    }
    std::string out;
    out.reserve(program.symbols.size() * 64 + program.sections.size() * 80 + 256);
    out += "TarnMap listing of ";
    for (char c : origin) {
        out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    }
    out += "\n\n*** Options ***\n\n";
    const std::string start = StartOption(program, listed);
    if (!start.empty()) {
        out += start + "\n";
    }
    out += '\n';
    WriteSections(program, listed, out);
    const size_t symbols = WriteSymbols(program, out);
    if (counts != nullptr) {
        *counts = {listed.size(), symbols};
    }
    return out;
}

}  // namespace tarnhost
