#include "src/data/LinkMapText.h"

#include <cstdint>
#include <cstring>

namespace linkmap {
namespace {

constexpr CharSet kBlanks{" \t\r\n\v\f"};

bool EightSpaces(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word == 0x2020202020202020ull;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    // Listing lines are indented by long runs of spaces: skip them eight at a time.
    while (end - begin >= 8 && EightSpaces(text.data() + begin))
        begin += 8;
    while (begin < end && kBlanks.Has(text[begin]))
        ++begin;
    while (end > begin && kBlanks.Has(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string_view TrimChar(std::string_view text, char c) {
    while (!text.empty() && text.front() == c)
        text.remove_prefix(1);
    while (!text.empty() && text.back() == c)
        text.remove_suffix(1);
    return text;
}

}  // namespace linkmap
