// Text helpers of the map data models: blank trimming, word splitting by the split rule and
// case-blind comparison. They work on views of the caller's text.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "platform/text/ByteMatch.h"

namespace linkmap {

// A set of byte values, tested with one table look-up.
class CharSet {
public:
    constexpr explicit CharSet(std::string_view chars) {
        for (char c : chars)
            table_[static_cast<unsigned char>(c)] = true;
        if (!chars.empty() && chars.size() <= 2) {
            pair_ = {chars.front(), chars.back()};
            isPair_ = true;
        }
    }
    constexpr bool Has(char c) const { return table_[static_cast<unsigned char>(c)]; }

    // Which of eight bytes, read as one little-endian number, are in the set: bit i for byte i.
    uint64_t Of8(const char* bytes) const {
        if constexpr (std::endian::native == std::endian::little) {
            if (isPair_) {
                uint64_t word;
                std::memcpy(&word, bytes, sizeof word);
                return HighBitsToMask(Equal(word, pair_[0]) | Equal(word, pair_[1]));
            }
        }
        uint64_t mask = 0;
        for (int i = 0; i < 8; ++i)
            mask |= uint64_t{Has(bytes[i])} << i;
        return mask;
    }
    // Of8 for sixteen bytes.
    uint64_t Of16(const char* bytes) const {
        if (isPair_) {
            return tarnui::MatchSixteen(bytes, pair_[0], pair_[1]);
        }
        return Of8(bytes) | Of8(bytes + 8) << 8;
    }
    // Which of the first n bytes (n at most 64) are in the set; every bit from n up is set.
    // Reads no byte outside the n.
    [[gnu::always_inline]] uint64_t OfUpTo64(const char* bytes, size_t n) const {
        uint64_t mask = n < 64 ? ~uint64_t{0} << n : 0;
        size_t i = 0;
        for (; i + 16 <= n; i += 16)
            mask |= Of16(bytes + i) << i;
        if (i == n) {
            return mask;
        }
        // The last few bytes: the end of the sixteen (or eight) bytes that end at n, which
        // overlap bytes already tested.
        if (n >= 16) {
            return mask | (Of16(bytes + n - 16) >> (16 - (n - i))) << i;
        }
        for (; i + 8 <= n; i += 8)
            mask |= Of8(bytes + i) << i;
        if (i < n && n >= 8) {
            return mask | (Of8(bytes + n - 8) >> (8 - (n - i))) << i;
        }
        for (; i < n; ++i)
            mask |= uint64_t{Has(bytes[i])} << i;
        return mask;
    }

private:
    // The high bit of every byte of word that equals c, and no other bit.
    static uint64_t Equal(uint64_t word, char c) {
        constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
        const uint64_t t = word ^ (0x0101010101010101ull * static_cast<unsigned char>(c));
        return ~(((t & kLow7) + kLow7) | t | kLow7);
    }
    // Gathers the high bits of the eight bytes into the low eight bits, byte 0's lowest.
    static uint64_t HighBitsToMask(uint64_t highBits) {
        return ((highBits >> 7) * 0x0102040810204080ull) >> 56;
    }

    std::array<bool, 256> table_{};
    // A set of one or two characters is also tested eight bytes at a time.
    std::array<char, 2> pair_{};
    bool isPair_ = false;
};

inline constexpr CharSet kTrimmedBlanks{" \t\r\n\v\f"};

// Removes space, tab, carriage return, line feed, vertical tab and form feed from both ends.
// Inline: every line of a listing passes here.
inline std::string_view TrimBlanks(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    // Listing lines are indented by long runs of spaces: skip them eight at a time.
    constexpr uint64_t kEightSpaces = 0x2020202020202020ull;
    for (uint64_t word; end - begin >= 8; begin += 8) {
        std::memcpy(&word, text.data() + begin, sizeof word);
        if (word != kEightSpaces) {
            if constexpr (std::endian::native == std::endian::little) {
                // Past the spaces this word starts with, to its first other byte.
                begin += static_cast<size_t>(std::countr_zero(word ^ kEightSpaces)) / 8;
            }
            break;
        }
    }
    while (begin < end && kTrimmedBlanks.Has(text[begin]))
        ++begin;
    while (end > begin && kTrimmedBlanks.Has(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

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

// A word of up to eight bytes as one number with every byte's case bit set: two such numbers
// are equal exactly when the words are equal ignoring case, provided one word holds letters
// only (setting the bit turns no other byte into a letter, and no byte into zero).
constexpr uint64_t FoldedWord(std::string_view word) {
    uint64_t folded = 0;
    for (size_t i = 0; i < word.size() && i < 8; ++i)
        folded |= uint64_t{static_cast<unsigned char>(word[i] | 0x20)} << (8 * i);
    return folded;
}

// The first bytes of a word, at most eight, as one number, the first byte lowest and zero
// bytes after the word's end. readable: how many bytes from the word's start may be read (at
// least its size). With eight of them the word is read in one load, and no loop runs as many
// times as the word is long: words of a listing's columns vary in length from line to line,
// which a processor mispredicts.
inline uint64_t WordBytes(std::string_view word, size_t readable) {
    const size_t size = std::min<size_t>(word.size(), 8);
    if constexpr (std::endian::native == std::endian::little) {
        if (readable >= 8 && size > 0) {
            uint64_t bytes;
            std::memcpy(&bytes, word.data(), sizeof bytes);
            // Ones in the word's bytes: shifted in two steps, so that eight bytes give zero.
            const uint64_t inWord = (uint64_t{1} << (8 * size - 1) << 1) - 1;
            return bytes & inWord;
        }
    }
    uint64_t bytes = 0;
    for (size_t i = 0; i < size; ++i)
        bytes |= uint64_t{static_cast<unsigned char>(word[i])} << (8 * i);
    return bytes;
}

// FoldedWord of a word read as WordBytes reads it.
inline uint64_t FoldedWordBytes(std::string_view word, size_t readable) {
    const uint64_t bytes = WordBytes(word, readable);
    // Every byte that is not zero lies in the word; zero bytes inside it fold to 0x20 here
    // and in FoldedWord alike.
    const size_t size = std::min<size_t>(word.size(), 8);
    const uint64_t inWord = size == 0 ? 0 : (uint64_t{1} << (8 * size - 1) << 1) - 1;
    return (bytes | 0x2020202020202020ull) & inWord;
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
// The text is taken 64 bytes at a time: a bit mask of the separators among them gives the words'
// starts and ends without a branch per character.
inline size_t SplitWords(std::string_view text, const CharSet& separators,
                         std::span<std::string_view> out) {
    const char* const data = text.data();
    const size_t size = text.size();
    if (size <= 64) {
        // One mask holds the whole text, past its end counted as separators: the k-th word
        // runs from the k-th start to the k-th end.
        const uint64_t separator = separators.OfUpTo64(data, size);
        const uint64_t before = separator << 1 | 1;
        uint64_t starts = ~separator & before;
        uint64_t ends = separator & ~before;
        size_t count = 0;
        for (; starts != 0; starts &= starts - 1, ends &= ends - 1) {
            if (count == out.size()) {
                return count + 1;
            }
            const auto begin = static_cast<size_t>(std::countr_zero(starts));
            const auto end = static_cast<size_t>(std::countr_zero(ends));
            out[count++] = std::string_view(data + begin, end - begin);
        }
        return count;
    }
    size_t count = 0;
    bool inWord = false;
    size_t wordBegin = 0;
    for (size_t base = 0; base < size; base += 64) {
        const size_t n = std::min<size_t>(64, size - base);
        const uint64_t separator = separators.OfUpTo64(data + base, n);
        // Bit i: the byte before byte i is a separator (or the text's start).
        const uint64_t before = separator << 1 | (inWord ? 0 : 1);
        uint64_t starts = ~separator & before;
        uint64_t ends = separator & ~before;
        for (;;) {
            if (!inWord) {
                if (starts == 0) {
                    break;
                }
                if (count == out.size()) {
                    return count + 1;
                }
                wordBegin = base + static_cast<size_t>(std::countr_zero(starts));
                starts &= starts - 1;
                inWord = true;
            } else {
                if (ends == 0) {
                    break;
                }
                const size_t wordEnd = base + static_cast<size_t>(std::countr_zero(ends));
                ends &= ends - 1;
                out[count++] = std::string_view(data + wordBegin, wordEnd - wordBegin);
                inWord = false;
            }
        }
    }
    if (inWord) {  // a word that runs to the end of a text of whole 64-byte pieces
        out[count++] = std::string_view(data + wordBegin, size - wordBegin);
    }
    return count;
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
