#include "src/views/SFilterItem.h"

FilterItems MakeFilterItems(const std::vector<std::string>& names) {
    FilterItems items;
    for (const std::string& name : names) {
        items.push_back(std::make_unique<SFilterItem>(SFilterItem{name, 1}));
    }
    return items;
}

FilterItems CopyFilterItems(const FilterItems& items) {
    FilterItems copy;
    for (const auto& item : items) {
        copy.push_back(std::make_unique<SFilterItem>(*item));
    }
    return copy;
}

bool IsCheckedName(const FilterItems& items, std::string_view name) {
    for (const auto& item : items) {
        if (item->checked != 0 && item->name == name) {
            return true;
        }
    }
    return false;
}
