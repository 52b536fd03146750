#include "src/data/CStrFind.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "src/data/WildcardMatch.h"

namespace {

constexpr uint32_t kCase = CStrFind::kIgnoreCase;
constexpr uint32_t kWild = CStrFind::kWildcard;

struct FindCase {
    const char* text;
    const char* pattern;
    uint32_t flags;
    int32_t position;  // -1: not found
    uint32_t length;
};

template <size_t N>
void ExpectCases(const FindCase (&cases)[N]) {
    for (const FindCase& c : cases) {
        int32_t position = 12345;
        uint32_t length = 12345;
        const int found = CStrFind().Find(c.text, c.pattern, c.flags, &position, &length);
        const auto where = testing::Message() << "text \"" << c.text << "\" pattern \"" << c.pattern
                                              << "\" flags " << c.flags;
        EXPECT_EQ(found, c.position >= 0 ? 1 : 0) << where;
        EXPECT_EQ(position, c.position) << where;
        EXPECT_EQ(length, c.length) << where;
    }
}

TEST(CStrFind, PlainSearch) {
    // clang-format off
    const FindCase cases[] = {
        {"xaby", "ab", 0, 1, 2},
        {"xaby", "AB", 0, -1, 0},
        {"xaby", "AB", kCase, 1, 2},
        {"aaab", "aab", 0, 1, 3},      // overlapping candidates
        {"abc", "abcd", 0, -1, 0},     // pattern longer than the text
        {"xa*cy", "a*c", 0, 1, 3},     // metacharacters are plain bytes here
        {"a\\b", "\\", 0, 1, 1},
        {"", "a", 0, -1, 0},           // empty text
        {"abc", "", 0, -1, 0},         // empty pattern
        {"abcabc", "c", 0, 2, 1},      // the first occurrence wins
    };
    // clang-format on
    ExpectCases(cases);
}

TEST(CStrFind, IgnoreCaseFoldsOnlyLettersAToZ) {
    const FindCase cases[] = {
        {"[", "{", kCase, -1, 0},        // 0x5B and 0x7B differ by the case bit only
        {"\xC9", "\xE9", kCase, -1, 0},  // bytes above 0x7F are never folded
        {"zZ", "Zz", kCase, 0, 2},
        {"xaBC", "A*c", kCase | kWild, 1, 3},
        {"xaBC", "A*c", kWild, -1, 0},
        {"ab", "*B", kCase | kWild, 0, 2},  // the anchor scan folds as well
        {"ab", "*B", kWild, -1, 0},
        {"xAB", "*a\\b", kCase | kWild, 0, 3},  // a dropped backslash leaves an ordinary byte
    };
    ExpectCases(cases);
}

TEST(CStrFind, WildcardBasics) {
    const FindCase cases[] =
        {
            {"xxabcd", "a*c", kWild, 2, 3},
            {"abc", "ab", kWild, 0, 2},  // the end of the text need not be reached
            {"xab", "a*", kWild, 1, 2},  // a trailing star takes the rest of the text
            {"", "*", kWild, 0, 0},
            {"abc", "*", kWild, 0, 3},
            {"", "?", kWild, -1, 0},
            {"abc", "", kWild, -1, 0},  // empty pattern
            {"abc", "b?", kWild, 1, 2},
            {"abc", "c?", kWild, -1, 0},  // "?" never takes the terminating zero
            {"abc", "a**c", kWild, 0, 3},
            {"xaxbxc", "a*b*c", kWild, 1, 5},
        };
    ExpectCases(cases);
}

TEST(CStrFind, Escapes) {
    const FindCase cases[] = {
        {"a?", "a\\?", kWild, 0, 2},
        {"ab", "a\\?", kWild, -1, 0},
        {"ab", "a\\b", kWild, 0, 2},  // a backslash before an ordinary byte is dropped
        {"a*b", "a\\*b", kWild, 0, 3},
        {"a\\b", "a\\\\b", kWild, 0, 3},  // escaped backslash
        {"xa", "a\\", kWild, 1, 1},       // a trailing backslash ends the pattern: success
        {"abc", "*\\", kWild, 0, 3},      // after a star it takes the rest of the text
        {"abc", "*b\\", kWild, 0, 2},     // in a literal run it ends the match there
        {"x*y", "*\\*y", kWild, 0, 3},    // an escaped star as the anchor
        {"x?y", "*\\?", kWild, 0, 2},
        {"a?", "*a\\?", kWild, 0, 2},
        // A backslash byte escapes even as the second byte of a double-byte character.
        {"\x95x", "\x95\\x", kWild, 0, 2},
        {"\x95\\x", "\x95\\x", kWild, -1, 0},
    };
    ExpectCases(cases);
}

TEST(CStrFind, TextIsNeverMovedBack) {
    const FindCase cases[] = {
        // Fails at 0 (the retry starts after the failed byte) and is found at 1.
        {"aaab", "*aab", kWild, 1, 3},
        // A backtracking matcher finds "abbc" at 0; this one skips the second b for good.
        {"abbc", "a*bc", kWild, -1, 0},
        // The retry finds the run later from the same start.
        {"xabxabc", "*abc", kWild, 0, 7},
        {"abxabc", "ab*abc", kWild, 0, 6},
        {"abcabd", "a*bd", kWild, 0, 6},
        // "?" in a literal run fails at the end of the text.
        {"xa", "*a?", kWild, -1, 0},
        {"xab", "*a?", kWild, 0, 3},
    };
    ExpectCases(cases);
}

TEST(CStrFind, RetryPointOfEscapedStar) {
    const FindCase cases[] = {
        // The failed "\*" retries at its own asterisk, which then works as a star.
        {"xab", "*a\\*", kWild, 0, 3},
        {"xa", "*a\\*", kWild, 0, 2},  // also when the text is used up
        {"ab*c", "*a\\*c", kWild, 0, 4},
        // A failure after an escaped star goes back to that asterisk, not to the first star.
        {"a*xb", "*a\\*b", kWild, 0, 4},
    };
    ExpectCases(cases);
}

TEST(CStrFind, StarFollowedByQuestionMarks) {
    const FindCase cases[] = {
        {"abc", "*??", kWild, 0, 3},
        {"abxcx", "*??x", kWild, 0, 3},
        {"xx", "*?x", kWild, 0, 2},
        {"b", "*?b", kWild, -1, 0},  // "?" takes the b first; no anchor remains
        {"ab", "*?b", kWild, 0, 2},
        {"", "*?*", kWild, -1, 0},
        {"a", "*?*", kWild, 0, 1},
        {"ab", "*?*b", kWild, 0, 2},
        {"abcb", "*?b?", kWild, 0, 3},
        // The question marks are taken again from where the text stands at each retry.
        {"xbyzbc", "*?bc", kWild, 0, 6},
        {"xbybc", "*?bc", kWild, 1, 4},
    };
    ExpectCases(cases);
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
