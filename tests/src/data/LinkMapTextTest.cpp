#include "src/data/LinkMapText.h"
#include "src/data/LineSplitter.h"

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
    // Read in one load from a longer line, or byte by byte at its end: the same number.
    const std::string line = "FuNc entry,G \xC7\xFFz 0A";
    for (size_t begin = 0; begin < line.size(); ++begin) {
        for (size_t size = 0; size <= 9 && begin + size <= line.size(); ++size) {
            const std::string_view word(line.data() + begin, size);
            const std::string alone(word);
            EXPECT_EQ(FoldedWordBytes(word, line.size() - begin), FoldedWord(word)) << alone;
            EXPECT_EQ(FoldedWordBytes(alone, alone.size()), FoldedWord(word)) << alone;
            EXPECT_EQ(WordBytes(word, line.size() - begin), WordBytes(alone, alone.size()));
        }
    }
}

// The line splitter, fed a text in blocks of every size, against splitting the whole text at
// its line feeds: a carriage return before a line feed goes, a last line without one counts,
// and a stop asked for by the reader ends the feeding at once.
TEST(LinkMapText, LineSplitterCutsLinesWhateverTheBlocks) {
    std::mt19937 random(5);
    const std::string alphabet = "\n\rxxxxxxxxxxxxxxxxxxxxxxxxxxxxyz";
    for (int trial = 0; trial < 300; ++trial) {
        std::string text(random() % 400, 'x');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        std::vector<std::string> expected;
        for (size_t start = 0; start < text.size();) {
            const size_t end = std::min(text.find('\n', start), text.size());
            std::string line = text.substr(start, end - start);
            if (end < text.size() && !line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            expected.push_back(line);
            start = end + 1;
        }
        const size_t stopAfter = trial % 3 == 0 ? 1 + random() % (expected.size() + 1) : SIZE_MAX;
        LineSplitter splitter;
        std::vector<std::string> lines;
        const auto onLine = [&](std::string_view line) {
            lines.emplace_back(line);
            return lines.size() < stopAfter;
        };
        bool more = true;
        for (size_t at = 0; more && at < text.size();) {
            const size_t size = std::min<size_t>(1 + random() % 150, text.size() - at);
            more = splitter.Feed(std::string_view(text).substr(at, size), onLine);
            at += size;
        }
        if (more) {
            splitter.Finish(onLine);
        }
        if (stopAfter < expected.size()) {
            expected.resize(stopAfter);
            EXPECT_FALSE(more);
        }
        ASSERT_EQ(lines, expected) << "text \"" << text << '"';
    }
}

}  // namespace
}  // namespace linkmap
