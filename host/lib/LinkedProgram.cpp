#include "host/lib/LinkedProgram.h"

#include <array>

namespace tarnhost {

uint32_t LinkedProgram::FileIndex(std::string_view name) {
    if (!files.empty() && files.back() == name) {
        return static_cast<uint32_t>(files.size() - 1);
    }
    for (size_t i = files.size(); i-- > 0 && i + 8 >= files.size();) {
        if (files[i] == name) {
            return static_cast<uint32_t>(i);
        }
    }
    files.emplace_back(name);
    return static_cast<uint32_t>(files.size() - 1);
}

uint32_t LinkedProgram::OutputHolding(uint32_t output, uint64_t address) const {
    if (output == kNoIndex) {
        return kNoIndex;
    }
    const OutputSection& s = sections[output];
    return address >= s.address && address <= s.address + s.size ? output : kNoIndex;
}

bool IsNonAllocatedSectionName(std::string_view name) {
    static constexpr std::array<std::string_view, 16> kPrefixes = {".debug",
                                                                   ".zdebug",
                                                                   ".stab",
                                                                   ".comment",
                                                                   ".symtab",
                                                                   ".strtab",
                                                                   ".shstrtab",
                                                                   ".gnu.attributes",
                                                                   ".ARM.attributes",
                                                                   ".riscv.attributes",
                                                                   ".gnu_debuglink",
                                                                   ".gnu_debugaltlink",
                                                                   ".note.GNU-stack",
                                                                   ".llvm_addrsig",
                                                                   ".GCC.command.line",
                                                                   ".gnu.build.attributes"};
    for (std::string_view prefix : kPrefixes) {
        if (name.starts_with(prefix)) {
            return true;
        }
    }
    return false;
}

bool IsZeroFillSectionName(std::string_view name) {
    static constexpr std::array<std::string_view, 4> kPrefixes = {".bss", ".sbss", ".tbss",
                                                                  ".noinit"};
    for (std::string_view prefix : kPrefixes) {
        if (name.starts_with(prefix)) {
            return true;
        }
    }
    return name == "COMMON";
}

}  // namespace tarnhost
