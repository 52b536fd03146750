#include "host/lib/ListingAdapter.h"

#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "host/lib/ElfSymbolMerge.h"
#include "host/lib/GnuLdMapParser.h"
#include "host/lib/ListingWriter.h"
#include "host/lib/LldMapParser.h"
#include "host/lib/MapText.h"

namespace tarnhost {
namespace {

namespace fs = std::filesystem;

// Raise when the written listing changes, so that old cache files are rewritten.
constexpr const char* kConversionVersion = "1";

bool IsComponentMarker(std::string_view line) {
    std::string lower(line);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower == "*** mapping list ***" || lower == "*** symbol list ***" ||
           lower == "*** options ***";
}

// Looks at one line; returns the format it decides, or kUnknown to go on.
MapFormat Classify(std::string_view line, bool first) {
    const std::string_view trimmed = maptext::Trim(line);
    if (first && IsLldMapHeader(trimmed)) {
        return MapFormat::kLld;
    }
    if (trimmed == "Memory Configuration" || trimmed == "Linker script and memory map") {
        return MapFormat::kGnuLd;
    }
    return IsComponentMarker(trimmed) ? MapFormat::kComponent : MapFormat::kUnknown;
}

std::string Stamp(const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    const auto time = fs::last_write_time(path, ec);
    return path + " (" + std::to_string(ec ? 0 : size) + " bytes, modified " +
           std::to_string(ec ? 0 : time.time_since_epoch().count()) + ")";
}

std::string CacheName(const std::string& mapPath, const std::string& elfPath) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : mapPath + '\n' + elfPath) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    char name[32];
    std::snprintf(name, sizeof name, "%016llx.listing", static_cast<unsigned long long>(hash));
    return name;
}

// A map file mapped into memory for the conversion (maps of large programs run to tens of
// megabytes; nothing is copied).
class MappedFile {
public:
    bool Open(const std::string& path, std::string* error) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        struct stat info {};
        if (fd < 0 || ::fstat(fd, &info) != 0) {
            *error = path + ": cannot be read";
            if (fd >= 0) {
                ::close(fd);
            }
            return false;
        }
        size_ = static_cast<size_t>(info.st_size);
        if (size_ > 0) {
            data_ = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
        }
        ::close(fd);
        if (data_ == MAP_FAILED) {
            data_ = nullptr;
            *error = path + ": cannot be read";
            return false;
        }
        return true;
    }
    ~MappedFile() {
        if (data_ != nullptr) {
            ::munmap(data_, size_);
        }
    }
    std::string_view Text() const {
        return data_ != nullptr ? std::string_view(static_cast<const char*>(data_), size_)
                                : std::string_view();
    }

private:
    void* data_ = nullptr;
    size_t size_ = 0;
};

// A cache file can be made again, so it is written without flushing to the disk: a temporary
// file renamed over the old one, so that no reader sees half of it.
bool WriteCacheFile(const std::string& path, const std::string& text, std::string* error) {
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out.flush()) {
            *error = temporary + ": cannot be written";
            std::error_code ec;
            fs::remove(temporary, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, path, ec);
    if (ec) {
        *error = path + ": cannot be written: " + ec.message();
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

std::string FirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace

MapFormat DetectMapFormat(std::string_view text) {
    MapFormat format = MapFormat::kUnknown;
    bool first = true;
    maptext::ForEachLine(text, [&](std::string_view line) {
        if (first && maptext::Trim(line).empty()) {
            return true;
        }
        format = Classify(line, first);
        first = false;
        return format == MapFormat::kUnknown;
    });
    return format;
}

MapFormat DetectMapFormatOfFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first && maptext::Trim(line).empty()) {
            continue;
        }
        const MapFormat format = Classify(line, first);
        if (format != MapFormat::kUnknown) {
            return format;
        }
        first = false;
    }
    return MapFormat::kUnknown;
}

LinkedProgram ReadLinkedProgram(std::string_view text, MapFormat format, const ElfImage* elf) {
    LinkedProgram program = format == MapFormat::kLld ? ParseLldMap(text) : ParseGnuLdMap(text);
    if (elf != nullptr) {
        MergeElfImage(*elf, &program);
    }
    return program;
}

std::string FindElfBeside(const std::string& mapPath) {
    const fs::path map(mapPath);
    for (const char* extension : {".elf", ".axf", ".out", ""}) {
        fs::path candidate = map;
        candidate.replace_extension(extension);
        std::error_code ec;
        if (candidate != map && fs::is_regular_file(candidate, ec) &&
            LooksLikeElf(candidate.string())) {
            return candidate.string();
        }
    }
    return {};
}

std::string ListingForComponent(const std::string& mapPath, const std::string& elfPath,
                                const std::string& cacheDir, std::string* error) {
    const MapFormat format = DetectMapFormatOfFile(mapPath);
    if (format != MapFormat::kGnuLd && format != MapFormat::kLld) {
        return mapPath;
    }
    std::string origin = Stamp(mapPath);
    if (!elfPath.empty()) {
        origin += " with " + Stamp(elfPath);
    }
    origin += " v";
    origin += kConversionVersion;
    const std::string cachePath = (fs::path(cacheDir) / CacheName(mapPath, elfPath)).string();
    // The first line of a cache file names its sources, their sizes and times.
    if (FirstLine(cachePath) == "TarnMap listing of " + origin) {
        return cachePath;
    }
    MappedFile text;
    if (!text.Open(mapPath, error)) {
        return mapPath;
    }
    ElfImage elf;
    if (!elfPath.empty() && !ReadElfImage(elfPath, &elf, error)) {
        return mapPath;
    }
    const LinkedProgram program =
        ReadLinkedProgram(text.Text(), format, elfPath.empty() ? nullptr : &elf);
    std::error_code ec;
    fs::create_directories(cacheDir, ec);
    if (!WriteCacheFile(cachePath, WriteComponentListing(program, origin), error)) {
        return mapPath;
    }
    return cachePath;
}

}  // namespace tarnhost
