#include "src/util/PlaceholderTable.h"

#include <gtest/gtest.h>

#include "src/util/PlaceholderScanner.h"
#include "tests/support/TableFile.h"

namespace placeholder {
namespace {

// The rows of tests/data/tables/placeholder-lookup.txt.
TEST(PlaceholderTable, LookUp) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("placeholder-lookup.txt")) {
        const TableMatch match = LookUp(row[0]);
        const std::string found = match.kind == TableMatch::kError ? "error"
                                  : match.kind == TableMatch::kUnknown
                                      ? "unknown"
                                      : std::string(LongName(match.index));
        EXPECT_EQ(found, row[1]) << row.where;
    }
}

TEST(PlaceholderTable, LongFormAndOutOfRangeIndices) {
    EXPECT_EQ(LongForm(kDeviceDetails), "$(DEVICEDETAILS)");
    EXPECT_EQ(LongName(0), "");
    EXPECT_EQ(LongName(kLastIndex + 1), "");
    EXPECT_EQ(ShortName(-1), "");
}

// The rows of tests/data/tables/placeholder-scan.txt.
TEST(PlaceholderScanner, FindNext) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("placeholder-scan.txt")) {
        const auto span = FindNext(row[0], std::stoul(row[1]));
        ASSERT_EQ(span.has_value(), row[2] != "-") << row.where;
        if (span) {
            EXPECT_EQ(span->begin, std::stoul(row[2])) << row.where;
            EXPECT_EQ(span->Name(row[0]), row[3]) << row.where;
            EXPECT_EQ(span->end, span->nameEnd + 1) << row.where;
        }
    }
}

}  // namespace
}  // namespace placeholder
