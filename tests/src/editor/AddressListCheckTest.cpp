#include "src/editor/AddressListCheck.h"

#include <gtest/gtest.h>

#include "host/lib/ValueConversion.h"
#include "src/editor/SectionCheckErrors.h"
#include "tests/src/editor/CheckErrorNames.h"
#include "tests/support/TableFile.h"

namespace {

TEST(AddressListItems, CountAndRange) {
    struct Case {
        const char* text;
        bool several;
        int count;
        int range;
    };
    const Case cases[] = {
        {"1000", true, 1, 0},       {"1000,", true, 1, 0},      {",1000", true, 2, 0},
        {"1000,,", true, 2, 0},     {"1000,2000", false, 1, 0}, {"", true, 1, 0},
        {"1000-", true, 1, 0},      {"1000-10FF", true, 1, 1},  {"-1000", true, 1, 1},
        {"1000-,2000", true, 2, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountAddressItems(c.text, c.several), c.count) << c.text;
        EXPECT_EQ(HasAddressRange(c.text), c.range) << c.text;
    }
}

// The rows of tests/data/tables/address-list-split.txt.
TEST(AddressListItems, SplitsOneItemIntoStartAndEnd) {
    for (const tarntest::TableRow& row : tarntest::ReadTable("address-list-split.txt")) {
        std::string start = "x", end = "x";
        SplitAddressItem(std::stoi(row[0]), row[1], row[2].find('r') != std::string::npos,
                         row[2].find('s') != std::string::npos, start, end);
        EXPECT_EQ(start, row[3]) << row.where;
        EXPECT_EQ(end, row[4]) << row.where;
    }
}

TEST(ReadAddress, MapsServiceStatusesToErrors) {
    struct Case {
        const char* text;
        int which;
        int expected;
        uint32_t value;
    };
    const Case cases[] = {
        {"", kReadStartAddress, kCheckStartAddressMissing, 7},
        {"", kReadEndAddress, kCheckEndAddressMissing, 7},
        {"", 3, kCheckIllegalAddress, 7},
        {"1000", kReadStartAddress, kCheckSuccess, 0x1000},
        {"0x1f", kReadEndAddress, kCheckSuccess, 0x1F},
        {"zz", kReadStartAddress, kCheckIllegalAddress, 7},
        {"1000-", kReadStartAddress, kCheckIllegalAddress, 7},
        {"100000000", kReadEndAddress, kCheckAddressOutOfRange, 7},
    };
    tarnhost::ValueConversionService service;
    for (const auto& c : cases) {
        uint32_t value = 7;
        EXPECT_EQ(ReadAddress(c.text, c.which, &service, value), c.expected) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    uint32_t value = 7;
    EXPECT_EQ(ReadAddress("1000", kReadStartAddress, nullptr, value), kCheckIllegalAddress);
    EXPECT_EQ(value, 7u);
}

// The rows of tests/data/tables/address-list-check.txt.
TEST(CheckAddressList, ReportsTheFirstFault) {
    tarnhost::ValueConversionService service;
    for (const tarntest::TableRow& row : tarntest::ReadTable("address-list-check.txt")) {
        const bool range = row[1].find('r') != std::string::npos;
        const bool several = row[1].find('s') != std::string::npos;
        EXPECT_EQ(CheckErrorName(CheckAddressList(row[0], range, several, &service)), row[2])
            << row.where;
    }
    EXPECT_EQ(CheckAddressList("1000", true, true, nullptr), kCheckIllegalAddress);
}

// The rows of tests/data/tables/address-list-normalize.txt.
TEST(NormalizeAddressList, WritesTheServicesAddressTexts) {
    tarnhost::ValueConversionService service;
    for (const tarntest::TableRow& row : tarntest::ReadTable("address-list-normalize.txt")) {
        std::string text = row[0];
        NormalizeAddressList(text, row[1].find('r') != std::string::npos,
                             row[1].find('s') != std::string::npos, &service);
        EXPECT_EQ(text, row[2]) << row.where;
    }
    std::string text = "1000";
    NormalizeAddressList(text, true, true, nullptr);
    EXPECT_EQ(text, "1000");
}

TEST(JoinAddressList, JoinsParallelStartsAndEnds) {
    const std::vector<std::string> starts{"00001000", "00002000"};
    const std::vector<std::string> ends{"000010FF", ""};
    EXPECT_EQ(JoinAddressList(true, true, starts, ends), "00001000-000010FF,00002000");
    EXPECT_EQ(JoinAddressList(false, true, starts, ends), "00001000,00002000");
    EXPECT_EQ(JoinAddressList(true, false, starts, ends), "00001000-000010FF");
    EXPECT_EQ(JoinAddressList(true, true, starts, {}), "00001000,00002000");
    EXPECT_EQ(JoinAddressList(true, true, {}, {}), "");
    EXPECT_EQ(JoinAddressList(true, false, {}, {}), "");

    // A joined list passes the check and normalises to itself.
    tarnhost::ValueConversionService service;
    std::string joined = JoinAddressList(true, true, starts, {"000010FF", "000020FF"});
    EXPECT_EQ(CheckAddressList(joined, true, true, &service), kCheckSuccess);
    const std::string before = joined;
    NormalizeAddressList(joined, true, true, &service);
    EXPECT_EQ(joined, before);
}

}  // namespace
