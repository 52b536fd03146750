#include "src/editor/SectionListCheck.h"

#include <gtest/gtest.h>

#include "src/editor/SectionCheckErrors.h"
#include "tests/src/editor/CheckErrorNames.h"
#include "tests/support/TableFile.h"

namespace {

// The rows of tests/data/tables/section-list-normalize.txt.
TEST(NormalizeSectionText, RemovesBlanksAndOneWholeGroupsParentheses) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("section-list-normalize.txt")) {
        std::string text = row[0];
        NormalizeSectionText(text);
        EXPECT_EQ(text, row[1]) << row.where;
    }
}

// The rows of tests/data/tables/section-list-check.txt.
TEST(CheckSectionList, ReportsTheFirstFault) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("section-list-check.txt")) {
        const auto has = [&](char c) { return row[1].find(c) != std::string::npos; };
        EXPECT_EQ(CheckErrorName(CheckSectionList(row[0], has('o'), has('p'), has('c'))), row[2])
            << row.where;
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

// The rows of tests/data/tables/section-list-split.txt.
TEST(SplitSectionList, SplitsIntoGroupsInTextOrder) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("section-list-split.txt")) {
        std::vector<CLinkerSubSectionGroup> groups(2);  // emptied first
        SplitSectionList(row[0], row[1].find('o') != std::string::npos,
                         row[1].find('p') != std::string::npos, groups);
        std::string shown;
        for (const auto& g : groups) {
            EXPECT_TRUE(g.children.empty()) << row.where;
            shown += (shown.empty() ? "" : " ") + g.text + "/" + std::to_string(g.overlay);
        }
        EXPECT_EQ(shown, row[2]) << row.where;
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
