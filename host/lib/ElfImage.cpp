#include "host/lib/ElfImage.h"

#include <fcntl.h>
#include <gelf.h>
#include <libelf.h>
#include <unistd.h>

#include <fstream>
#include <memory>

namespace tarnhost {
namespace {

struct FileCloser {
    int fd;
    ~FileCloser() {
        if (fd >= 0) {
            close(fd);
        }
    }
};

struct ElfCloser {
    void operator()(Elf* elf) const { elf_end(elf); }
};

std::string SectionName(Elf* elf, size_t stringSection, size_t offset) {
    const char* name = elf_strptr(elf, stringSection, offset);
    return name != nullptr ? name : std::string();
}

void ReadSections(Elf* elf, size_t stringSection, ElfImage* image) {
    image->sections.resize(1);  // index 0: no section
    for (Elf_Scn* scn = elf_nextscn(elf, nullptr); scn != nullptr; scn = elf_nextscn(elf, scn)) {
        GElf_Shdr header;
        if (gelf_getshdr(scn, &header) == nullptr) {
            continue;
        }
        const size_t index = elf_ndxscn(scn);
        if (image->sections.size() <= index) {
            image->sections.resize(index + 1);
        }
        image->sections[index] = {SectionName(elf, stringSection, header.sh_name), header.sh_addr,
                                  header.sh_size, header.sh_addralign,
                                  (header.sh_flags & SHF_ALLOC) != 0, header.sh_type == SHT_NOBITS};
    }
}

void ReadSymbols(Elf* elf, bool thumb, ElfImage* image) {
    for (Elf_Scn* scn = elf_nextscn(elf, nullptr); scn != nullptr; scn = elf_nextscn(elf, scn)) {
        GElf_Shdr header;
        if (gelf_getshdr(scn, &header) == nullptr || header.sh_type != SHT_SYMTAB ||
            header.sh_entsize == 0) {
            continue;
        }
        Elf_Data* data = elf_getdata(scn, nullptr);
        if (data == nullptr) {
            continue;
        }
        const size_t count = header.sh_size / header.sh_entsize;
        image->symbols.reserve(count);
        std::string sourceFile;
        for (size_t i = 1; i < count; ++i) {
            GElf_Sym sym;
            if (gelf_getsym(data, static_cast<int>(i), &sym) == nullptr) {
                break;
            }
            const char* name = elf_strptr(elf, header.sh_link, sym.st_name);
            ElfSymbolInfo symbol;
            symbol.name = name != nullptr ? name : "";
            symbol.type = static_cast<uint8_t>(GELF_ST_TYPE(sym.st_info));
            symbol.binding = static_cast<uint8_t>(GELF_ST_BIND(sym.st_info));
            symbol.value = sym.st_value;
            if (thumb && symbol.type == STT_FUNC) {
                symbol.value &= ~uint64_t{1};
            }
            symbol.size = sym.st_size;
            symbol.section = sym.st_shndx;
            if (symbol.type == STT_FILE) {
                sourceFile = symbol.name;
            } else if (symbol.binding == STB_LOCAL) {
                symbol.sourceFile = sourceFile;
            }
            image->symbols.push_back(std::move(symbol));
        }
        return;  // one static symbol table per file
    }
}

void ReadSegments(Elf* elf, ElfImage* image) {
    size_t count = 0;
    if (elf_getphdrnum(elf, &count) != 0) {
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        GElf_Phdr header;
        if (gelf_getphdr(elf, static_cast<int>(i), &header) == nullptr ||
            header.p_type != PT_LOAD || header.p_memsz == 0) {
            continue;
        }
        image->segments.push_back({header.p_vaddr, header.p_memsz, (header.p_flags & PF_W) != 0,
                                   (header.p_flags & PF_X) != 0});
    }
}

}  // namespace

bool LooksLikeElf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    return in.read(magic, 4) && magic[0] == 0x7f && magic[1] == 'E' && magic[2] == 'L' &&
           magic[3] == 'F';
}

bool ReadElfImage(const std::string& path, ElfImage* image, std::string* error) {
    *image = {};
    if (elf_version(EV_CURRENT) == EV_NONE) {
        *error = "the ELF library cannot be used";
        return false;
    }
    FileCloser file{open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        *error = path + ": cannot be read";
        return false;
    }
    std::unique_ptr<Elf, ElfCloser> elf(elf_begin(file.fd, ELF_C_READ_MMAP, nullptr));
    GElf_Ehdr header;
    if (elf == nullptr || elf_kind(elf.get()) != ELF_K_ELF ||
        gelf_getehdr(elf.get(), &header) == nullptr) {
        *error = path + ": not an ELF file";
        return false;
    }
    size_t stringSection = 0;
    if (elf_getshdrstrndx(elf.get(), &stringSection) != 0) {
        *error = path + ": the ELF file has no section names";
        return false;
    }
    const bool thumb = header.e_machine == EM_ARM;
    image->entry = thumb ? header.e_entry & ~uint64_t{1} : header.e_entry;
    ReadSections(elf.get(), stringSection, image);
    ReadSymbols(elf.get(), thumb, image);
    ReadSegments(elf.get(), image);
    return true;
}

}  // namespace tarnhost
