// Text helpers of the map listing reader: blank trimming, word splitting and case-blind
// comparison. All of them work on views of the line buffer and allocate nothing.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace linkmap {

// Removes space, tab, carriage return, line feed, vertical tab and form feed from both ends.
std::string_view TrimBlanks(std::string_view text);

// Equality that ignores the case of ASCII letters.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Removes every leading and trailing occurrence of one character.
std::string_view TrimChar(std::string_view text, char c);

// Visits the words of a text: the maximal runs of characters that are none of the separators.
// Runs of separators give no empty words. The visit returns false to stop early.
template <class Visit>
void ForEachWord(std::string_view text, std::string_view separators, Visit&& visit) {
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t begin = text.find_first_not_of(separators, pos);
        if (begin == std::string_view::npos) {
            return;
        }
        size_t end = text.find_first_of(separators, begin);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (!visit(text.substr(begin, end - begin))) {
            return;
        }
        pos = end;
    }
}

// Stores the first out.size() words of the text and returns how many words it holds, counting
// no further than out.size() + 1, so a long line costs no more than the words it needs.
size_t SplitWords(std::string_view text, std::string_view separators,
                  std::span<std::string_view> out);

}  // namespace linkmap
