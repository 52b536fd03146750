// Fuzzes CStrFind. Input: one flag byte, then the text, a zero byte, then the pattern.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "src/data/CStrFind.h"
#include "src/data/WildcardMatch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint32_t flags = data[0] & 3u;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = rest.find('\0');
    const std::string text = rest.substr(0, split);
    const std::string pattern =
        split == std::string::npos ? std::string() : std::string(rest.c_str() + split + 1);

    int32_t position = 0;
    uint32_t length = 0;
    const int found = CStrFind().Find(text.c_str(), pattern.c_str(), flags, &position, &length);
    FUZZ_CHECK(found == 0 || found == 1);
    FUZZ_CHECK(found != 0 || (position == -1 && length == 0));
    FUZZ_CHECK(found != 1 ||
               (position >= 0 && static_cast<size_t>(position) + length <= text.size()));
    // Skipped start positions must never hide an earlier match.
    if ((flags & CStrFind::kWildcard) != 0 && !pattern.empty() && text.size() <= 512) {
        int32_t expected = -1;
        for (size_t start = 0; start <= text.size(); ++start) {
            if (strfind::MatchAt(text.c_str() + start, pattern.c_str(),
                                 (flags & CStrFind::kIgnoreCase) != 0)
                    .matched) {
                expected = static_cast<int32_t>(start);
                break;
            }
        }
        FUZZ_CHECK(expected == position);
    }
    return 0;
}
