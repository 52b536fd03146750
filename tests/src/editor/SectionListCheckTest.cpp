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

// The tree splits a part of a valid text again without checking it in full: the short rule
// must agree with the check for every part of every text of the tables, under every flag.
TEST(SplitSectionList, PartsOfAValidTextPassTheCheckByTheShortRule) {
    std::vector<std::string> texts;
    for (const char* table : {"section-list-check.txt", "section-list-split.txt"}) {
        for (const tarntest::TableRow& row : tarntest::ReadTable(table)) {
            texts.push_back(row[0]);
        }
    }
    int parts = 0;
    for (const std::string& text : texts) {
        for (const bool overlay : {false, true}) {
            for (const bool partial : {false, true}) {
                std::vector<CLinkerSubSectionGroup> groups;
                SplitSectionList(text, overlay, partial, groups);
                for (const auto& group : groups) {
                    ++parts;
                    EXPECT_EQ(SplitPartPassesCheck(group.text, overlay),
                              CheckSectionList(group.text, overlay, partial, true) == 0)
                        << text << " part " << group.text << " o" << overlay << " p" << partial;
                }
            }
        }
    }
    EXPECT_GT(parts, 100);
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
