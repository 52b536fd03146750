// The names a shared library exports: the defined global and weak entries of its dynamic
// symbol table, read from the ELF file.
#pragma once

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace tarn_e2e {

// Empty when the file is not a 64-bit ELF file or has no dynamic symbol table.
inline std::set<std::string> ExportedSymbols(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> file((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    std::set<std::string> names;
    if (file.size() < sizeof(Elf64_Ehdr) || std::memcmp(file.data(), ELFMAG, SELFMAG) != 0 ||
        file[EI_CLASS] != ELFCLASS64) {
        return names;
    }
    Elf64_Ehdr header;
    std::memcpy(&header, file.data(), sizeof header);
    const auto section = [&](size_t index) {
        Elf64_Shdr s{};
        const size_t at = header.e_shoff + index * header.e_shentsize;
        if (at + sizeof s <= file.size()) {
            std::memcpy(&s, file.data() + at, sizeof s);
        }
        return s;
    };
    for (size_t i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr symbols = section(i);
        if (symbols.sh_type != SHT_DYNSYM || symbols.sh_entsize != sizeof(Elf64_Sym)) {
            continue;
        }
        const Elf64_Shdr strings = section(symbols.sh_link);
        for (size_t at = symbols.sh_offset + sizeof(Elf64_Sym);
             at + sizeof(Elf64_Sym) <= symbols.sh_offset + symbols.sh_size &&
             at + sizeof(Elf64_Sym) <= file.size();
             at += sizeof(Elf64_Sym)) {
            Elf64_Sym symbol;
            std::memcpy(&symbol, file.data() + at, sizeof symbol);
            const int binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK) ||
                strings.sh_offset + symbol.st_name >= file.size()) {
                continue;
            }
            names.insert(std::string(file.data() + strings.sh_offset + symbol.st_name));
        }
    }
    return names;
}

// Whether a mangled name belongs to the standard library (namespace std or __gnu_cxx).
inline bool IsStandardLibraryName(const std::string& name) {
    for (const char* prefix : {"_ZSt", "_ZNSt", "_ZNKSt", "_ZN9__gnu_cxx", "_ZNK9__gnu_cxx"}) {
        if (name.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace tarn_e2e
