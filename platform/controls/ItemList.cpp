#include "platform/controls/ItemList.h"

#include <algorithm>
#include <cctype>

namespace tarnui {

namespace {
char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool LessIgnoreCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) < Lower(y); });
}
}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

int ItemList::Add(std::string text) {
    if (!sorted_) {
        items_.push_back({std::move(text), 0});
        return Count() - 1;
    }
    auto it = std::upper_bound(
        items_.begin(), items_.end(), text,
        [](const std::string& t, const Item& item) { return LessIgnoreCase(t, item.text); });
    it = items_.insert(it, {std::move(text), 0});
    return static_cast<int>(it - items_.begin());
}

int ItemList::Insert(int index, std::string text) {
    if (index == -1) {
        index = Count();
    }
    if (index < 0 || index > Count()) {
        return -1;
    }
    items_.insert(items_.begin() + index, {std::move(text), 0});
    return index;
}

bool ItemList::Remove(int index) {
    if (!Valid(index)) {
        return false;
    }
    items_.erase(items_.begin() + index);
    return true;
}

template <typename Match>
int ItemList::Search(int start, Match match) const {
    const int n = Count();
    if (n == 0) {
        return -1;
    }
    const int first = (start < 0 || start >= n) ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        if (match(items_[i].text)) {
            return i;
        }
    }
    return -1;
}

int ItemList::FindExact(int start, std::string_view text) const {
    return Search(start, [text](const std::string& t) { return EqualsIgnoreCase(t, text); });
}

int ItemList::FindPrefix(int start, std::string_view text) const {
    return Search(start, [text](const std::string& t) {
        return t.size() >= text.size() &&
               EqualsIgnoreCase(std::string_view(t).substr(0, text.size()), text);
    });
}

}  // namespace tarnui
