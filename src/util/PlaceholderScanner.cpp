#include "src/util/PlaceholderScanner.h"

namespace placeholder {
namespace {

constexpr size_t kShortestPlaceholder = 4;  // "$(" + one byte + ")"

}  // namespace

std::optional<Span> FindNext(std::string_view text, size_t offset) {
    if (text.size() < kShortestPlaceholder) {
        return std::nullopt;
    }
    size_t dollar = offset;
    for (;; ++dollar) {
        dollar = text.find("$(", dollar);
        if (dollar == std::string_view::npos) {
            return std::nullopt;
        }
        if (dollar == offset || text[dollar - 1] != '$') {
            break;
        }
    }
    if (text.size() - dollar < kShortestPlaceholder) {
        return std::nullopt;
    }
    const size_t close = text.find(')', dollar + 2);
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Span{dollar, dollar + 2, close, close + 1};
}

}  // namespace placeholder
