// The strings of a list box or combo box with one data value each, kept sorted when the
// control has the sorted style. Searches ignore case, as list searches do.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnui {

class ItemList {
public:
    struct Item {
        std::string text;
        intptr_t data = 0;
    };

    explicit ItemList(bool sorted = false) : sorted_(sorted) {}
    void SetSorted(bool on) { sorted_ = on; }

    int Count() const { return static_cast<int>(items_.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    // Appends (or inserts in order when sorted); returns the index.
    int Add(std::string text);
    // Inserts at `index` (-1: at the end); returns the index or -1 when out of range.
    int Insert(int index, std::string text);
    bool Remove(int index);
    void Clear() { items_.clear(); }

    const std::string& Text(int index) const { return items_[index].text; }
    intptr_t Data(int index) const { return items_[index].data; }
    void SetData(int index, intptr_t data) { items_[index].data = data; }

    // The first item after `start` (-1: from the top) equal to / beginning with `text`,
    // ignoring case, wrapping around; -1 when none.
    int FindExact(int start, std::string_view text) const;
    int FindPrefix(int start, std::string_view text) const;

private:
    template <typename Match>
    int Search(int start, Match match) const;

    bool sorted_;
    std::vector<Item> items_;
};

bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace tarnui
