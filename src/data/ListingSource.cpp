#include "src/data/ListingSource.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "src/data/LineSplitter.h"

namespace linkmap {
namespace {

constexpr size_t kBlockSize = 128 << 10;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The file read in large blocks, each line handed to onLine until it returns false.
template <class OnLine>
bool ReadLines(const std::string& path, OnLine&& onLine) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return false;
    }
    std::setvbuf(file.get(), nullptr, _IONBF, 0);  // the block below is the only buffer
    const auto block = std::make_unique_for_overwrite<char[]>(kBlockSize);
    LineSplitter splitter;
    for (;;) {
        const size_t got = std::fread(block.get(), 1, kBlockSize, file.get());
        if (got == 0) {
            break;  // end of file or a read error: what was read stands
        }
        if (!splitter.Feed(std::string_view(block.get(), got), onLine)) {
            return true;
        }
    }
    splitter.Finish(onLine);
    return true;
}

}  // namespace

bool ReadFileLines(const std::string& path, const std::function<bool(std::string_view)>& onLine) {
    return ReadLines(path, onLine);
}

bool ReadListingFile(const std::string& path, LinkMapReader& reader) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error) {
        reader.ExpectListingSize(size);
    }
    return ReadLines(path, [&](std::string_view line) { return reader.ReadLine(line); });
}

void ReadListingText(std::string_view text, LinkMapReader& reader) {
    LineSplitter splitter;
    const auto onLine = [&](std::string_view line) { return reader.ReadLine(line); };
    if (splitter.Feed(text, onLine)) {
        splitter.Finish(onLine);
    }
}

}  // namespace linkmap
