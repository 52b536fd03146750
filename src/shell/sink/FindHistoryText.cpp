#include "src/shell/sink/FindHistoryText.h"

std::string JoinFindHistory(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry;
        text += '+';
    }
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

std::vector<std::string> SplitFindHistory(const std::string& text) {
    std::vector<std::string> entries;
    if (text.empty()) {
        return entries;
    }
    size_t start = 0;
    for (size_t plus = text.find('+'); plus != std::string::npos; plus = text.find('+', start)) {
        entries.push_back(text.substr(start, plus - start));
        start = plus + 1;
    }
    entries.push_back(text.substr(start));
    return entries;
}
