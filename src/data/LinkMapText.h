// Text helpers of the map data models: blank trimming, word splitting by the split rule and
// case-blind comparison. They work on views of the caller's text.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace linkmap {

// A set of byte values, tested with one table look-up.
class CharSet {
public:
    constexpr explicit CharSet(std::string_view chars) {
        for (char c : chars)
            table_[static_cast<unsigned char>(c)] = true;
    }
    constexpr bool Has(char c) const { return table_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> table_{};
};

// Removes space, tab, carriage return, line feed, vertical tab and form feed from both ends.
std::string_view TrimBlanks(std::string_view text);

// Removes every leading and trailing occurrence of one character.
std::string_view TrimChar(std::string_view text, char c);

inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Equality that ignores the case of ASCII letters.
inline bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && (prefix.empty() || text[0] == prefix[0]) &&
           text.substr(0, prefix.size()) == prefix;
}

// Visits the words of a text: the maximal runs of characters that are none of the separators.
// Runs of separators give no empty words. The visit returns false to stop early.
template <class Visit>
void ForEachWord(std::string_view text, const CharSet& separators, Visit&& visit) {
    const size_t size = text.size();
    size_t pos = 0;
    for (;;) {
        while (pos < size && separators.Has(text[pos]))
            ++pos;
        if (pos == size) {
            return;
        }
        const size_t begin = pos;
        while (pos < size && !separators.Has(text[pos]))
            ++pos;
        if (!visit(text.substr(begin, pos - begin))) {
            return;
        }
    }
}

// Stores the first out.size() words of the text and returns how many words it holds, counting
// no further than out.size() + 1, so a long line costs no more than the words it needs.
inline size_t SplitWords(std::string_view text, const CharSet& separators,
                         std::span<std::string_view> out) {
    const char* at = text.data();
    const char* const end = at + text.size();
    size_t count = 0;
    for (;;) {
        while (at != end && separators.Has(*at))
            ++at;
        if (at == end) {
            return count;
        }
        if (count == out.size()) {
            return count + 1;
        }
        const char* const begin = at;
        while (at != end && !separators.Has(*at))
            ++at;
        out[count++] = std::string_view(begin, static_cast<size_t>(at - begin));
    }
}

// The words of a text cut at one separator character, for callers that keep them all.
inline std::vector<std::string_view> SplitWords(std::string_view text, char separator) {
    std::vector<std::string_view> words;
    const CharSet separators{std::string_view(&separator, 1)};
    ForEachWord(text, separators, [&](std::string_view word) {
        words.push_back(word);
        return true;
    });
    return words;
}

inline constexpr CharSet kSpaces{" "};
inline constexpr CharSet kSpacesAndCommas{" ,"};

}  // namespace linkmap
