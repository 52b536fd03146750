// One word of the symbol filter (an attribute or a scope) and whether rows with it are shown.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct SFilterItem {
    std::string name;
    uint32_t checked = 1;  // 0 or 1
};

using FilterItems = std::vector<std::unique_ptr<SFilterItem>>;

// Items of these names, all checked, in this order.
FilterItems MakeFilterItems(const std::vector<std::string>& names);
// Item by item copies (names and checked flags).
FilterItems CopyFilterItems(const FilterItems& items);
// Whether a checked item has exactly this name.
bool IsCheckedName(const FilterItems& items, std::string_view name);
