#include "src/editor/SectionListCheck.h"

#include <gtest/gtest.h>

#include <utility>

#include "src/editor/SectionCheckErrors.h"

namespace {

TEST(NormalizeSectionText, RemovesBlanksAndOneWholeGroupsParentheses) {
    const std::pair<const char*, const char*> cases[] = {
        {"(A:B)", "A:B"},
        {"(A:B),(C:D)", "(A:B),(C:D)"},
        {"(A)B", "(A)B"},
        {" A , B\t", "A,B"},
        {"\t( A : B ) \n", "A:B"},
        {"A:B", "A:B"},
        {"", ""},
        {"A\nB", "A\nB"},  // only blanks and tabs go from inside the text
    };
    for (const auto& [input, expected] : cases) {
        std::string text = input;
        NormalizeSectionText(text);
        EXPECT_EQ(text, expected) << "input '" << input << "'";
    }
}

struct CheckCase {
    std::string_view text;
    int expected;
    bool overlay = true;
    bool partial = true;
    bool colon = true;
};

TEST(CheckSectionList, ReportsTheFirstFault) {
    const CheckCase cases[] = {
        // names and delimiters
        {"A", kCheckSuccess},
        {"A:B:C", kCheckSuccess},
        {"A,B:C,D", kCheckSuccess},
        {" A:B ", kCheckSuccess},
        {"$A", kCheckSuccess},
        {"_X*", kCheckSuccess},
        {"*", kCheckSuccess},
        {"", kCheckInvalidCharacter},
        {"A,,B", kCheckIllegalDelimiter},
        {"A,", kCheckIllegalDelimiter},
        {"A:", kCheckIllegalDelimiter},
        {",A", kCheckIllegalDelimiter},
        {"A::B", kCheckIllegalDelimiter},
        {"A,:B", kCheckIllegalDelimiter},
        {"A B", kCheckInvalidCharacter},
        {"A ,B", kCheckInvalidCharacter},
        {"A, B", kCheckSuccess},  // a blank may stand before a name
        {"1ABC", kCheckInvalidCharacter},
        {"A.B", kCheckInvalidCharacter},
        {"A\nB", kCheckInvalidCharacter},
        {"A\xC3\xA9", kCheckInvalidCharacter},
        {std::string_view("A\0B", 3), kCheckInvalidCharacter},
        // parentheses
        {"((A:B))", kCheckIllegalParentheses},
        {"(A:B", kCheckIllegalParentheses},
        {"A(B:C)", kCheckIllegalParentheses},
        {"(A:B)C", kCheckInvalidCharacter},
        {"(A:B)1", kCheckInvalidCharacter},
        {"(A,B):C", kCheckIllegalDelimiter, true, false},
        {"(A,B):C", kCheckIllegalParentheses},
        {"A,(B,C)", kCheckIllegalParentheses},
        {"A,(B:C),D", kCheckSuccess},
        {"A,(B:C),(D:E)", kCheckSuccess},
        {"A,(B:C),(D,E)", kCheckIllegalParentheses},
        {"A,(B:C):D", kCheckIllegalDelimiter},
        {"(A:B)(C:D)", kCheckIllegalParentheses},
        {"()", kCheckIllegalParentheses},
        {"(:A)", kCheckIllegalDelimiter},
        {"(A:)", kCheckIllegalParentheses},
        {"(A,)", kCheckIllegalParentheses},
        {"A)", kCheckIllegalParentheses},
        {"A:(B:C)", kCheckOverlayNests},
        {"(A:B),C:D", kCheckOverlayNests},
        // capabilities
        {"A:B", kCheckOverlayNotAllowed, false},
        {"(A:B)", kCheckOverlayNotAllowed, false},  // one group as a whole is top level
        {"A,(B:C)", kCheckSuccess, false},
        {"A,(B:C)", kCheckPartialOverlayNotAllowed, true, false},
        {"A,(B,C)", kCheckPartialOverlayNotAllowed, true, false},
        {"A:B,(C)", kCheckPartialOverlayNotAllowed, false, false},
        {"A:B", kCheckOverlayNotAllowed, true, false, false},
        {"A:B", kCheckOverlayNests, true, true, false},
        {"A,B", kCheckSuccess, false, false, false},
        {"A:B,(C)", kCheckOverlayNotAllowed, true, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckSectionList(c.text, c.overlay, c.partial, c.colon), c.expected)
            << "'" << c.text << "' overlay " << c.overlay << " partial " << c.partial << " colon "
            << c.colon;
    }
}

TEST(SectionTextQueries, OverlayParenthesesAndKind) {
    struct Case {
        const char* text;
        int topLevelOverlay;
        int parentheses;
        int kind;
    };
    const Case cases[] = {
        {"A", 0, 0, 0},     {"A,B", 0, 0, 1},         {"A:B", 1, 0, 2},     {"A,B:C", 1, 0, 2},
        {"(A:B)", 1, 1, 2}, {" ( A : B ) ", 1, 1, 2}, {"A,(B:C)", 0, 1, 2}, {"(A:B),C", 0, 1, 2},
        {"(A)", 0, 1, 0},   {"A)", 0, 1, 0},          {")A:B", 0, 1, 2},    {"", 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HasTopLevelOverlay(c.text), c.topLevelOverlay) << c.text;
        EXPECT_EQ(HasParentheses(c.text), c.parentheses) << c.text;
        EXPECT_EQ(GetSectionTextKind(c.text), c.kind) << c.text;
    }
}

using Groups = std::vector<std::pair<std::string, uint32_t>>;

Groups Flatten(const std::vector<CLinkerSubSectionGroup>& groups) {
    Groups out;
    for (const auto& g : groups) {
        EXPECT_TRUE(g.children.empty());
        out.emplace_back(g.text, g.overlay);
    }
    return out;
}

TEST(SplitSectionList, SplitsIntoGroupsInTextOrder) {
    struct Case {
        const char* text;
        Groups expected;
        bool overlay = true;
        bool partial = true;
    };
    const Case cases[] = {
        {"A:B,C:D", {{"A", 0}, {"B,C", 1}, {"D", 1}}},
        {"A,(B:C),D", {{"A", 0}, {"B:C", 0}, {"D", 0}}},
        {" A, B ", {{"A", 0}, {"B", 0}}},
        {"A,B:C,D", {{"A,B", 0}, {"C,D", 1}}},
        {"(A:B)", {{"A", 0}, {"B", 1}}},
        {"(A:B),C", {{"A:B", 0}, {"C", 0}}},
        {"A,B,(C:D),E,F", {{"A,B", 0}, {"C:D", 0}, {"E,F", 0}}},
        {"(A:B),(C:D:E)", {{"A:B", 0}, {"C:D:E", 0}}},
        {"A,B", {{"A", 0}, {"B", 0}}, false, false},
        // texts the check rejects give no groups
        {"A,,B", {}},
        {"A ,B", {}},
        {"A:B", {}, false},
        {"A,(B:C)", {}, true, false},
        {"A,(B,C)", {}},
    };
    for (const auto& c : cases) {
        std::vector<CLinkerSubSectionGroup> groups(2);  // emptied first
        SplitSectionList(c.text, c.overlay, c.partial, groups);
        EXPECT_EQ(Flatten(groups), c.expected) << "'" << c.text << "'";
    }
}

TEST(SplitSectionList, LongListsSplitIntoEveryName) {
    std::string text;
    const int names = 20000;
    for (int i = 0; i < names; ++i) {
        text += (i == 0 ? "" : ",") + std::string("S") + std::to_string(i);
    }
    std::vector<CLinkerSubSectionGroup> groups;
    SplitSectionList(text, true, true, groups);
    ASSERT_EQ(groups.size(), static_cast<size_t>(names));
    EXPECT_EQ(groups.back().text, "S19999");

    text = "A:" + text;
    SplitSectionList(text, true, true, groups);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[1].overlay, 1u);
    EXPECT_EQ(groups[1].text.size(), text.size() - 2);
}

}  // namespace
