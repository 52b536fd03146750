#include "src/data/MemoryDescriptionText.h"

#include <gtest/gtest.h>

#include "src/data/MemoryAreaKind.h"

namespace {

using Records = std::vector<std::string>;

struct CutCase {
    const char* name;
    std::string description;
    Records expected;
};

class CutDescriptionTable : public testing::TestWithParam<CutCase> {};

TEST_P(CutDescriptionTable, GivesBracketedRecordsThatCutTheSameWayAgain) {
    const CutCase& c = GetParam();
    const Records records = CutDescriptionRecords(c.description);
    EXPECT_EQ(records, c.expected);
    std::vector<std::string_view> views(records.begin(), records.end());
    EXPECT_EQ(CutDescriptionRecords(JoinRecords(views)), records);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutDescriptionTable,
    testing::Values(CutCase{"Empty", "", {}}, CutCase{"OnlyBlanks", " \t ", {}},
                    CutCase{"One", "[A]", {"[A]"}},
                    CutCase{"Three", "[A] [B|x] [C]", {"[A]", "[B|x]", "[C]"}},
                    CutCase{"BlanksAround", "  [A] [B]\r\n", {"[A]", "[B]"}},
                    CutCase{"LastWithoutClosingBracket", "[A] [S|MAP|0,F", {"[A]", "[S|MAP|0,F]"}},
                    CutCase{"OnlyAnOpeningBracket", "[", {"[]"}},
                    CutCase{"EndsWithSeparator", "[A] [", {"[A]", "[]"}},
                    CutCase{"EmptyRecordBetween", "[A] [] [B]", {"[A]", "[]", "[B]"}},
                    CutCase{"TextBeforeFirstBracket", "junk [A] [B]", {"[junk]", "[A]", "[B]"}},
                    CutCase{"TextWithBracketBeforeFirst", "x] [A]", {"[x]", "[A]"}},
                    CutCase{"NoBracketAtAll", "garbage text", {"[garbage text]"}},
                    CutCase{"TwoBlanksDoNotSeparate", "[A]  [B]", {"[A]  [B]"}},
                    CutCase{"DoubledClosingBracket", "[A]] [B]", {"[A]]", "[B]"}},
                    CutCase{"BracketsInsideText", "[A]x] [[B]", {"[A]x]", "[[B]"}}),
    [](const testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

TEST(ClassifyRecord, LooksAtTheTagAfterTheOpeningBracketWithCase) {
    const std::pair<const char*, DescriptionRecordKind> cases[] = {
        {"[S|MAP|\"0,F,ROM,0,0\"]", DescriptionRecordKind::kMap},
        {"[S|MAP|]", DescriptionRecordKind::kMap},
        {"[s|map|0,F,ROM,0,0]", DescriptionRecordKind::kOther},
        {"[S|MAP]", DescriptionRecordKind::kOther},
        {"[S|RESOURCE|]", DescriptionRecordKind::kResource},
        {"[V|VERSION|1.00]", DescriptionRecordKind::kVersion},
        {"[S|CPUTYPE|H8S]", DescriptionRecordKind::kCpuType},
        {"[ S|CPUTYPE|H8S]", DescriptionRecordKind::kOther},
        {"[]", DescriptionRecordKind::kOther},
        {"", DescriptionRecordKind::kOther},
    };
    for (const auto& [record, kind] : cases) {
        EXPECT_EQ(ClassifyRecord(record), kind) << record;
    }
}

std::vector<std::vector<std::string>> Fields(const std::vector<DescriptionItem>& items) {
    std::vector<std::vector<std::string>> fields;
    for (const DescriptionItem& item : items) {
        fields.push_back(item.fields);
    }
    return fields;
}

TEST(RecordItems, DropsBracketsTagAndQuotesAndSplitsWithoutEmptyWords) {
    using F = std::vector<std::vector<std::string>>;
    EXPECT_EQ(Fields(RecordItems("[S|MAP|\"0,FFFF,ROM,0,0 10000,1FFFF,XRAM,0,0\"]", kRecordTagMap)),
              (F{{"0", "FFFF", "ROM", "0", "0"}, {"10000", "1FFFF", "XRAM", "0", "0"}}));
    EXPECT_EQ(Fields(RecordItems("[S|RESOURCE|  0,,FF,R   10,1F,R/W ]", kRecordTagResource)),
              (F{{"0", "FF", "R"}, {"10", "1F", "R/W"}}));
    EXPECT_EQ(Fields(RecordItems("[[S|RESOURCE|\"\"0,F,R\"\"]]", kRecordTagResource)),
              (F{{"0", "F", "R"}}));
    EXPECT_TRUE(RecordItems("[S|RESOURCE|]", kRecordTagResource).empty());
    EXPECT_TRUE(RecordItems("[S|RESOURCE|\"\"]", kRecordTagResource).empty());
    EXPECT_EQ(RecordItems("[S|RESOURCE|a,b  c]", kRecordTagResource).at(1).text, "c");
}

TEST(ComposeResourceRecord, SeparatesItemsBySingleSpacesInQuotes) {
    EXPECT_EQ(ComposeResourceRecord({}), "[S|RESOURCE|\"\"]");
    EXPECT_EQ(ComposeResourceRecord({"00000000,000001FF,R", "00010000,000100FF,R/W"}),
              "[S|RESOURCE|\"00000000,000001FF,R 00010000,000100FF,R/W\"]");
}

TEST(ComposeResourceRecord, ItemsThatWouldReadBackDifferentlyAreKeptApart) {
    const std::vector<std::vector<std::string>> lists = {
        {"\"a,b,c"},           // quote after the opening quote
        {"a,b,c\""},           // quote before the closing quote
        {"a,b,c]", "[d,e,f"},  // would form the record separator
        {"a]", "b", "[c", "d\""},
        {"x,y,z]"},
        {std::string("a\0", 2), "b"},  // any byte may end an item
    };
    for (const auto& items : lists) {
        const std::string record = ComposeResourceRecord(items);
        ASSERT_EQ(CutDescriptionRecords(record), std::vector<std::string>{record});
        std::vector<std::string> texts;
        for (const DescriptionItem& item : RecordItems(record, kRecordTagResource)) {
            texts.push_back(item.text);
        }
        EXPECT_EQ(texts, items) << record;
    }
}

TEST(JoinRecords, LeavesEmptyRecordsOut) {
    EXPECT_EQ(JoinRecords({"", "[A]", "", "[B]", ""}), "[A] [B]");
    EXPECT_EQ(JoinRecords({"", ""}), "");
}

TEST(AreaKindName, FollowsTheKindTableIgnoringCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"ROM", "On-Chip ROM"},    {"rom", "On-Chip ROM"},  {"XROM", "On-Chip ROM"},
        {"mpx", "On-Chip ROM"},    {"YROM", "On-Chip ROM"}, {"IntRom", "On-Chip ROM"},
        {"RAM", "On-Chip RAM"},    {"xram", "On-Chip RAM"}, {"YRAM", "On-Chip RAM"},
        {"INTRAM", "On-Chip RAM"}, {"i/o", "I/O"},          {"RESERVE", "Reserve"},
        {"reserve", "Reserve"},    {"FLASH", "External"},   {"ROMX", "External"},
        {"", "External"},          {"I/O ", "External"},
    };
    for (const auto& [word, name] : cases) {
        EXPECT_EQ(AreaKindName(word), name) << word;
    }
}

}  // namespace
