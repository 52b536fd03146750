#include "host/lib/ElfSymbolMerge.h"

#include <elf.h>

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace tarnhost {
namespace {

// ARM and AArch64 mapping symbols ("$a", "$t", "$d", "$x", "$t.12") mark code and data
// inside sections; they are not program symbols.
bool IsMappingSymbol(std::string_view name) {
    return name.size() >= 2 && name[0] == '$' && (name.size() == 2 || name[2] == '.');
}

bool Wanted(const ElfSymbolInfo& symbol) {
    return !symbol.name.empty() && symbol.section != SHN_UNDEF && symbol.type != STT_SECTION &&
           symbol.type != STT_FILE && !IsMappingSymbol(symbol.name);
}

SymbolKind KindOf(const ElfSymbolInfo& symbol, uint64_t entry) {
    if (symbol.value == entry && (symbol.type == STT_FUNC || symbol.type == STT_NOTYPE)) {
        return SymbolKind::kEntry;
    }
    switch (symbol.type) {
        case STT_FUNC:
        case STT_GNU_IFUNC:
            return SymbolKind::kFunction;
        case STT_OBJECT:
        case STT_TLS:
        case STT_COMMON:
            return SymbolKind::kData;
        default:
            return SymbolKind::kNone;
    }
}

// Finds input sections by address: sorted once, then a binary search.
class InputLookup {
public:
    explicit InputLookup(const LinkedProgram& program) {
        for (const auto& input : program.inputs) {
            if (input.size > 0) {
                inputs_.push_back(&input);
            }
        }
        std::stable_sort(
            inputs_.begin(), inputs_.end(),
            [](const InputSection* a, const InputSection* b) { return a->address < b->address; });
    }

    // The input section of that output section holding the address, or null.
    const InputSection* Find(uint64_t address, uint32_t output) const {
        auto it = std::upper_bound(
            inputs_.begin(), inputs_.end(), address,
            [](uint64_t a, const InputSection* input) { return a < input->address; });
        // Overlays share addresses, so look back over every candidate that starts below.
        for (int steps = 0; it != inputs_.begin() && steps < 16; ++steps) {
            --it;
            const InputSection* input = *it;
            if (address < input->address + input->size &&
                (output == kNoIndex || input->output == output)) {
                return input;
            }
        }
        return nullptr;
    }

private:
    std::vector<const InputSection*> inputs_;
};

class Merger {
public:
    Merger(const ElfImage& image, LinkedProgram* program)
        : image_(image), program_(*program), inputs_(*program) {}

    void Run() {
        MarkSections();
        for (size_t i = 0; i < program_.sections.size(); ++i) {
            sectionByName_.emplace(program_.sections[i].name, static_cast<uint32_t>(i));
        }
        for (size_t i = 0; i < program_.symbols.size(); ++i) {
            byName_.emplace(program_.symbols[i].name, i);
        }
        for (const ElfSymbolInfo& symbol : image_.symbols) {
            if (Wanted(symbol)) {
                Take(symbol);
            }
        }
    }

private:
    // The ELF file's section flags and types decide; sections it does not have keep the name
    // rules.
    void MarkSections() {
        std::unordered_map<std::string_view, const ElfSectionInfo*> byName;
        for (const auto& section : image_.sections) {
            byName.emplace(section.name, &section);
        }
        for (auto& section : program_.sections) {
            if (auto it = byName.find(section.name); it != byName.end()) {
                section.allocated = it->second->allocated;
                section.zeroFill = it->second->noBits;
                if (section.alignment == 0) {
                    section.alignment = it->second->alignment;
                }
            }
        }
    }

    void Take(const ElfSymbolInfo& symbol) {
        ProgramSymbol* known = Listed(symbol);
        if (known == nullptr) {
            program_.symbols.push_back(NewSymbol(symbol));
            known = &program_.symbols.back();
        }
        known->address = symbol.value;  // script symbols of lld maps show the location counter
        known->size = symbol.size;
        known->kind = KindOf(symbol, image_.entry);
        known->local = symbol.binding == STB_LOCAL;
        if (known->output == kNoIndex) {
            known->output = OutputOf(symbol);
        }
    }

    // The map's symbol of the same name: for a global, any; for a local, the one at the same
    // address (locals of different files share names). Each map symbol is taken once.
    ProgramSymbol* Listed(const ElfSymbolInfo& symbol) {
        auto [first, last] = byName_.equal_range(symbol.name);
        for (auto it = first; it != last; ++it) {
            ProgramSymbol& candidate = program_.symbols[it->second];
            if (symbol.binding != STB_LOCAL || candidate.address == symbol.value) {
                byName_.erase(it);
                return &candidate;
            }
        }
        return nullptr;
    }

    ProgramSymbol NewSymbol(const ElfSymbolInfo& symbol) {
        ProgramSymbol added;
        added.name = symbol.name;
        added.address = symbol.value;
        added.output = OutputOf(symbol);
        if (const InputSection* input = inputs_.Find(symbol.value, added.output)) {
            added.file = input->file;
        } else if (!symbol.sourceFile.empty()) {
            added.file = program_.FileIndex(symbol.sourceFile);
        }
        return added;
    }

    // The symbol's ELF section when the value lies in it (or at its end); the linker makes
    // symbols the script places elsewhere relative to some section too.
    uint32_t OutputOf(const ElfSymbolInfo& symbol) const {
        if (symbol.section < image_.sections.size() && symbol.section != SHN_UNDEF) {
            const ElfSectionInfo& elf = image_.sections[symbol.section];
            auto it = sectionByName_.find(elf.name);
            if (it != sectionByName_.end() && symbol.value >= elf.address &&
                symbol.value <= elf.address + elf.size) {
                return it->second;
            }
        }
        for (size_t i = 0; i < program_.sections.size(); ++i) {
            const OutputSection& s = program_.sections[i];
            if (s.allocated && symbol.value >= s.address && symbol.value < s.address + s.size) {
                return static_cast<uint32_t>(i);
            }
        }
        return kNoIndex;
    }

    const ElfImage& image_;
    LinkedProgram& program_;
    InputLookup inputs_;
    std::unordered_multimap<std::string_view, size_t> byName_;
    std::unordered_map<std::string_view, uint32_t> sectionByName_;
};

}  // namespace

void MergeElfImage(const ElfImage& image, LinkedProgram* program) {
    program->symbols.reserve(program->symbols.size() + image.symbols.size());
    Merger(image, program).Run();
}

}  // namespace tarnhost
