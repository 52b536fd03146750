#include "bench/support/ListingGenerator.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <random>
#include <string_view>
#include <vector>

namespace benchsupport {
namespace {

constexpr const char* kSectionKinds[] = {"P", "C", "D", "B", "R", "L"};
constexpr const char* kNameParts[] = {"init",    "read",  "write",  "buffer", "timer", "uart",
                                      "adc",     "flash", "task",   "queue",  "crc",   "dma",
                                      "handler", "table", "config", "state",  "isr",   "pwm"};

// Collects text and hands it on in large pieces.
class Sink {
public:
    explicit Sink(std::function<void(const std::string&)> flush) : flush_(std::move(flush)) {}
    ~Sink() { Flush(); }
    template <class... Args>
    void Line(const char* format, Args... args) {
        char line[512];
        const int length = std::snprintf(line, sizeof line, format, args...);
        Text(std::string_view(line, std::clamp<size_t>(static_cast<size_t>(std::max(0, length)), 0,
                                                       sizeof line - 1)));
    }
    void Text(std::string_view line) {
        buffer_.append(line);
        buffer_ += '\n';
        if (buffer_.size() >= (1u << 20))
            Flush();
    }
    void Flush() {
        if (!buffer_.empty())
            flush_(buffer_);
        buffer_.clear();
    }

private:
    std::function<void(const std::string&)> flush_;
    std::string buffer_;
};

struct PlannedSection {
    std::string name;
    uint32_t start = 0;
    uint32_t size = 0;
    size_t symbols = 0;
};

std::vector<PlannedSection> PlanSections(const ListingShape& shape, std::mt19937& random) {
    std::vector<PlannedSection> sections(shape.sections);
    uint32_t address = 0x400;
    for (size_t i = 0; i < sections.size(); ++i) {
        auto& s = sections[i];
        s.name = SectionName(i);
        s.symbols = shape.symbols / shape.sections + (i < shape.symbols % shape.sections ? 1 : 0);
        s.size = static_cast<uint32_t>(s.symbols * 0x40 + 0x10);
        if (random() % 4 == 0)
            address += 0x100 * (1 + random() % 16);  // a gap
        s.start = address;
        address += s.size;
    }
    return sections;
}

void Write(const ListingShape& shape, Sink& out) {
    std::mt19937 random(shape.seed);
    const auto sections = PlanSections(shape, random);

    out.Line("Linkage Editor listing (generated for benchmarks)                    page    1");
    out.Line("");
    out.Line("*** Options ***");
    out.Line("");
    out.Line("-input=start.obj,main.obj,drivers.lib");
    std::string start = "-start=";
    for (size_t i = 0; i < sections.size() && i < 64; i += 2) {
        // Every fourth pair is an overlay; the others are plain sequences.
        const char* join = (i % 8 == 0) ? ":" : ",";
        char group[128];
        std::snprintf(group, sizeof group, "%s%s%s/%08X,", sections[i].name.c_str(), join,
                      sections[i + 1 < sections.size() ? i + 1 : i].name.c_str(),
                      sections[i].start);
        start += group;
    }
    start.pop_back();
    out.Text(start);
    out.Line("-output=bench.abs");
    out.Line("-list=bench.map");
    out.Line("");
    out.Line("*** Error information ***");
    out.Line("");
    out.Line("*** Mapping List ***");
    out.Line("");
    out.Line("SECTION                            START      END         SIZE   ALIGN");
    for (const auto& s : sections) {
        out.Line("%s", s.name.c_str());
        out.Line("                                  %08X  %08X  %10X   %u", s.start,
                 s.start + s.size - 1, s.size, 1u << (random() % 3));
    }
    out.Line("");
    out.Line("*** Symbol List ***");
    out.Line("");
    out.Line("SECTION=");
    out.Line("FILE=                               START        END         SIZE");
    out.Line("  SYMBOL                            ADDR        SIZE    INFO      COUNTS  OPT");
    out.Line("");
    size_t serial = 0;
    size_t file = 0;
    for (const auto& s : sections) {
        out.Line("SECTION=%s", s.name.c_str());
        uint32_t address = s.start;
        for (size_t k = 0; k < s.symbols; ++k) {
            if (k % shape.symbolsPerFile == 0) {
                const uint32_t fileSize =
                    static_cast<uint32_t>(std::min(shape.symbolsPerFile, s.symbols - k) * 0x40);
                out.Line("FILE=C:\\Work\\Firmware\\Debug\\%s%zu.obj",
                         kNameParts[file % std::size(kNameParts)], file % 1000);
                out.Line("                                  %08X  %08X  %10X", address,
                         address + fileSize - 1, fileSize);
                ++file;
            }
            const uint32_t size = 1 + static_cast<uint32_t>(random() % 0x40);
            const uint32_t kind = random() % 20;
            const char* attribute = kind < 10   ? "func"
                                    : kind < 17 ? "data"
                                    : kind < 19 ? "entry"
                                                : "none";
            // Names of mixed length, as in real programs: "_crc12", "_uart_read_4711".
            const char* first = kNameParts[random() % std::size(kNameParts)];
            if (random() % 2 == 0) {
                out.Line("  _%s%zu", first, serial++);
            } else {
                out.Line("  _%s_%s_%zu", first, kNameParts[random() % std::size(kNameParts)],
                         serial++);
            }
            out.Line("                                  %08X  %8X   %-5s ,%s  %8u", address, size,
                     attribute, random() % 3 == 0 ? "l" : "g",
                     static_cast<unsigned>(random() % 20));
            address += 0x40;
        }
    }
    out.Line("");
    out.Line("Absolute value symbols");
    out.Line("FILE=rel");
    out.Line("                                  00000000  00000000           0");
    for (int i = 0; i < 16; ++i) {
        out.Line("  _stack_size_%d", i);
        out.Line("                                  %08X         0   none ,g         0", 0x100 * i);
    }
}

}  // namespace

std::string SectionName(size_t index) {
    char name[32];
    std::snprintf(name, sizeof name, "%s_%04zu", kSectionKinds[index % std::size(kSectionKinds)],
                  index);
    return name;
}

size_t WriteListing(const std::string& path, const ListingShape& shape) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    size_t written = 0;
    bool ok = true;
    {
        Sink sink([&](const std::string& text) {
            ok = ok && std::fwrite(text.data(), 1, text.size(), file) == text.size();
            written += text.size();
        });
        Write(shape, sink);
    }
    ok = (std::fclose(file) == 0) && ok;
    return ok ? written : 0;
}

std::string GenerateListing(const ListingShape& shape) {
    std::string text;
    {
        Sink sink([&](const std::string& piece) { text += piece; });
        Write(shape, sink);
    }
    return text;
}

}  // namespace benchsupport
