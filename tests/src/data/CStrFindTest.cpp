#include "src/data/CStrFind.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "src/data/WildcardMatch.h"
#include "tests/support/TableFile.h"

namespace {

constexpr uint32_t kCase = CStrFind::kIgnoreCase;
constexpr uint32_t kWild = CStrFind::kWildcard;

// The rows of tests/data/tables/strfind.txt: text, pattern, flags, position, length.
TEST(CStrFind, TableOfSearches) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("strfind.txt")) {
        const uint32_t flags = (row[2].find('i') != std::string::npos ? kCase : 0) |
                               (row[2].find('w') != std::string::npos ? kWild : 0);
        int32_t position = 12345;
        uint32_t length = 12345;
        const int found =
            CStrFind().Find(row[0].c_str(), row[1].c_str(), flags, &position, &length);
        EXPECT_EQ(found, row[3] != "-1" ? 1 : 0) << row.where;
        EXPECT_EQ(position, std::stoi(row[3])) << row.where;
        EXPECT_EQ(length, std::stoul(row[4])) << row.where;
    }
}

TEST(CStrFind, OutPointersAreOptional) {
    CStrFind find;
    EXPECT_EQ(find.Find("xaby", "b*", kWild, nullptr, nullptr), 1);
    int32_t position = 7;
    uint32_t length = 7;
    EXPECT_EQ(find.Find("xaby", "b*", kWild, &position, nullptr), 1);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(find.Find("xaby", "q", 0, nullptr, &length), 0);
    EXPECT_EQ(length, 0u);
    EXPECT_EQ(find.Find(nullptr, "a", kWild, &position, &length), 0);
    EXPECT_EQ(find.Find("a", nullptr, 0, &position, &length), 0);
    EXPECT_EQ(position, -1);
}

TEST(CStrFind, LongStarRunsAndLongTextsStayIterative) {
    const std::string stars(10000, '*');
    std::string text(100000, 'a');
    CStrFind find;
    int32_t position = 0;
    uint32_t length = 0;

    EXPECT_EQ(find.Find(text.c_str(), stars.c_str(), kWild, &position, &length), 1);
    EXPECT_EQ(length, 100000u);
    EXPECT_EQ(find.Find(text.c_str(), ("a" + stars + "b").c_str(), kWild, &position, &length), 0);
    text.back() = 'b';
    EXPECT_EQ(find.Find(text.c_str(), (stars + "ab").c_str(), kWild, &position, &length), 1);
    EXPECT_EQ(position, 0);
    EXPECT_EQ(length, 100000u);
    EXPECT_EQ(find.Find(text.c_str(), ("a*" + stars + "?b").c_str(), kWild, &position, &length), 1);
    EXPECT_EQ(length, 100000u);
    std::string pattern = stars;
    for (int i = 0; i < 1000; ++i) {
        pattern += "a*";
    }
    EXPECT_EQ(find.Find(text.c_str(), pattern.c_str(), kWild | kCase, &position, &length), 1);
    EXPECT_EQ(find.Find(text.c_str(), std::string(100000, 'a').c_str(), 0, &position, &length), 0);
}

// The search skips start positions that cannot match; it must report the same first start as
// trying every position in turn.
TEST(CStrFind, SkippedStartsNeverHideAMatch) {
    std::mt19937 random(20240607);
    const char alphabet[] = {'a', 'b', 'A', '*', '?', '\\'};
    auto make = [&](size_t maxLength, size_t letters) {
        std::string s(random() % (maxLength + 1), ' ');
        for (char& c : s) {
            c = alphabet[random() % letters];
        }
        return s;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string text = make(12, 3);
        const std::string pattern = make(6, 6);
        const bool ignoreCase = (round % 2) != 0;
        int32_t expected = -1;
        uint32_t expectedLength = 0;
        for (size_t start = 0; start <= text.size() && !pattern.empty(); ++start) {
            const auto match = strfind::MatchAt(text.c_str() + start, pattern.c_str(), ignoreCase);
            if (match.matched) {
                expected = static_cast<int32_t>(start);
                expectedLength = static_cast<uint32_t>(match.length);
                break;
            }
        }
        int32_t position = 0;
        uint32_t length = 0;
        CStrFind().Find(text.c_str(), pattern.c_str(), kWild | (ignoreCase ? kCase : 0), &position,
                        &length);
        ASSERT_EQ(position, expected) << "text \"" << text << "\" pattern \"" << pattern << "\"";
        ASSERT_EQ(length, expectedLength)
            << "text \"" << text << "\" pattern \"" << pattern << "\"";
    }
}

}  // namespace
