#include "src/data/LinkMapText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace linkmap {
namespace {

// The split that stores words, against the plain word visit, on texts of every length around
// the 64-byte pieces it works in, for each number of words asked for; with sets of one, two
// (compared sixteen bytes at once) and three characters.
TEST(LinkMapText, SplitWordsAgreesWithTheWordVisit) {
    std::mt19937 random(7);
    const std::string alphabet = "  ,,ab\t";
    constexpr CharSet kThree{" ,\t"};
    for (const CharSet* separators : {&kSpaces, &kSpacesAndCommas, &kThree}) {
        for (size_t length = 0; length <= 200; ++length) {
            for (int trial = 0; trial < 20; ++trial) {
                std::string text(length, ' ');
                for (char& c : text)
                    c = alphabet[random() % alphabet.size()];
                std::vector<std::string_view> all;
                ForEachWord(text, *separators, [&](std::string_view word) {
                    all.push_back(word);
                    return true;
                });
                for (size_t room = 0; room <= 6; ++room) {
                    std::vector<std::string_view> out(room);
                    const size_t count = SplitWords(text, *separators, out);
                    ASSERT_EQ(count, std::min(all.size(), room + 1)) << '"' << text << '"';
                    for (size_t i = 0; i < std::min(count, room); ++i)
                        ASSERT_EQ(out[i], all[i]) << '"' << text << "\" word " << i;
                }
            }
        }
    }
}

// Trimming, which skips spaces a word at a time, against the plain definition.
TEST(LinkMapText, TrimBlanksRemovesEveryBlankAtBothEnds) {
    std::mt19937 random(11);
    const std::string alphabet = "    \t\r\v\fxy";
    const std::string_view blanks = " \t\r\n\v\f";
    for (size_t length = 0; length <= 40; ++length) {
        for (int trial = 0; trial < 50; ++trial) {
            // Listing lines begin with long runs of spaces.
            std::string text(random() % 20, ' ');
            for (size_t i = 0; i < length; ++i)
                text += alphabet[random() % alphabet.size()];
            const size_t first = text.find_first_not_of(blanks);
            const std::string expected =
                first == std::string::npos
                    ? std::string()
                    : text.substr(first, text.find_last_not_of(blanks) - first + 1);
            ASSERT_EQ(TrimBlanks(text), expected) << '"' << text << '"';
        }
    }
}

TEST(LinkMapText, FoldedWordsMatchOnlyTheSameLettersInAnyCase) {
    EXPECT_EQ(FoldedWord("FuNc"), FoldedWord("func"));
    EXPECT_EQ(FoldedWord("G"), FoldedWord("g"));
    EXPECT_NE(FoldedWord("fun"), FoldedWord("func"));
    EXPECT_NE(FoldedWord("func "), FoldedWord("func"));
    EXPECT_NE(FoldedWord(std::string_view("func\0", 5)), FoldedWord("func"));
    EXPECT_NE(FoldedWord("d@ta"), FoldedWord("data"));
    EXPECT_NE(FoldedWord("\xC7"), FoldedWord("g"));
}

}  // namespace
}  // namespace linkmap
