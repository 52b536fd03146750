// The rows of a diff: as the diff's table holds them, and as its users read them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarncli {

// One row of a diff: views into the rows given.
struct SizeChange {
    std::string_view name;
    std::string_view file;            // symbols only
    std::optional<uint64_t> oldSize;  // none: appeared in the new build
    std::optional<uint64_t> newSize;  // none: gone from the new build

    int64_t Difference() const {
        return static_cast<int64_t>(newSize.value_or(0)) -
               static_cast<int64_t>(oldSize.value_or(0));
    }
};

// The sizes of one name and file in the old and the new build.
struct SizeEntry {
    static constexpr uint64_t kPresent = uint64_t{1} << 63;  // in that build at all

    const char* name;
    uint32_t nameSize;
    uint32_t file;      // the table's number of the file
    uint64_t sizes[2];  // old, new: the sum of the rows' sizes, with kPresent

    std::string_view Name() const { return {name, nameSize}; }
    bool Changed() const { return sizes[0] != sizes[1]; }
    // The size in the old (0) or new (1) build; none when the row is not in that build.
    std::optional<uint64_t> Size(int side) const {
        return sizes[side] & kPresent ? std::optional<uint64_t>(sizes[side] & ~kPresent)
                                      : std::nullopt;
    }
    // The absolute difference of the sizes.
    uint64_t Magnitude() const {
        const uint64_t oldSize = sizes[0] & ~kPresent;
        const uint64_t newSize = sizes[1] & ~kPresent;
        return oldSize > newSize ? oldSize - newSize : newSize - oldSize;
    }
};

}  // namespace tarncli
