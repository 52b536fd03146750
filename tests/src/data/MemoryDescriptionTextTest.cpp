#include "src/data/MemoryDescriptionText.h"

#include <gtest/gtest.h>

#include "src/data/MemoryAreaKind.h"
#include "tests/support/TableFile.h"

namespace {

using Records = std::vector<std::string>;

// The rows of tests/data/tables/description-records.txt.
TEST(CutDescriptionRecords, GivesBracketedRecordsThatCutTheSameWayAgain) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("description-records.txt")) {
        const Records records = CutDescriptionRecords(row[0]);
        EXPECT_EQ(records, Records(row.fields.begin() + 1, row.fields.end())) << row.where;
        std::vector<std::string_view> views(records.begin(), records.end());
        EXPECT_EQ(CutDescriptionRecords(JoinRecords(views)), records) << row.where;
    }
}

TEST(ClassifyRecord, LooksAtTheTagAfterTheOpeningBracketWithCase) {
    const std::pair<const char*, DescriptionRecordKind> cases[] = {
        {"[S|MAP|\"0,F,ROM,0,0\"]", DescriptionRecordKind::kMap},
        {"[s|map|0,F,ROM,0,0]", DescriptionRecordKind::kOther},
        {"[S|MAP]", DescriptionRecordKind::kOther},
        {"[S|RESOURCE|]", DescriptionRecordKind::kResource},
        {"[V|VERSION|1.00]", DescriptionRecordKind::kVersion},
        {"[S|CPUTYPE|H8S]", DescriptionRecordKind::kCpuType},
        {"[ S|CPUTYPE|H8S]", DescriptionRecordKind::kOther},
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
        {"rom", "On-Chip ROM"},  {"mpx", "On-Chip ROM"}, {"IntRom", "On-Chip ROM"},
        {"xram", "On-Chip RAM"}, {"i/o", "I/O"},         {"reserve", "Reserve"},
        {"ROMX", "External"},    {"", "External"},       {"I/O ", "External"},
    };
    for (const auto& [word, name] : cases) {
        EXPECT_EQ(AreaKindName(word), name) << word;
    }
}

}  // namespace
