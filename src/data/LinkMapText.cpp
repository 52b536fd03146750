#include "src/data/LinkMapText.h"

namespace linkmap {

std::string_view TrimChar(std::string_view text, char c) {
    while (!text.empty() && text.front() == c)
        text.remove_prefix(1);
    while (!text.empty() && text.back() == c)
        text.remove_suffix(1);
    return text;
}

}  // namespace linkmap
