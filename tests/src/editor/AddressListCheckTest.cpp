#include "src/editor/AddressListCheck.h"

#include <gtest/gtest.h>

#include "host/lib/ValueConversion.h"
#include "src/editor/SectionCheckErrors.h"

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

TEST(AddressListItems, SplitsOneItemIntoStartAndEnd) {
    struct Case {
        int index;
        const char* text;
        bool range;
        bool several;
        const char* start;
        const char* end;
    };
    const Case cases[] = {
        {0, "1000-10FF", true, true, "1000", "10FF"},
        {1, "1000, 2000 - 20FF", true, true, "2000", "20FF"},
        {0, "1000,2000", true, false, "1000,2000", ""},
        {0, "1000-", true, true, "1000", ""},
        {0, "1000-10-20", true, true, "1000", "10-20"},
        {1, ",1000", true, true, "1000", ""},
        {0, ",1000", true, true, "", ""},
        {5, "1000", true, true, "", ""},
        {0, "\t10 00\t", false, false, "1000", ""},
    };
    for (const auto& c : cases) {
        std::string start = "x", end = "x";
        SplitAddressItem(c.index, c.text, c.range, c.several, start, end);
        EXPECT_EQ(start, c.start) << c.index << " " << c.text;
        EXPECT_EQ(end, c.end) << c.index << " " << c.text;
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

TEST(CheckAddressList, ReportsTheFirstFault) {
    struct Case {
        const char* text;
        bool range;
        bool several;
        int expected;
    };
    const Case cases[] = {
        {"1000", false, false, kCheckSuccess},
        {"1000-0FFF", true, false, kCheckStartNotBelowEnd},
        {"1000-1000", true, false, kCheckSuccess},
        {"1000-", true, false, kCheckSuccess},  // a trailing "-" is no range
        {"1000,2000", true, false, kCheckSeveralAddressesNotAllowed},
        {"1000-2000,3000", false, false, kCheckSeveralAddressesNotAllowed},
        {"1000,2000", true, true, kCheckSuccess},
        {"1000-10FF", false, false, kCheckEndAddressNotAllowed},
        {"1000-10FF,2000", true, true, kCheckEndAddressMissing},
        {"1000,2000-20FF", true, true, kCheckEndAddressMissing},
        {"1000-10FF,2000-1FFF", true, true, kCheckStartNotBelowEnd},
        {"", true, true, kCheckStartAddressMissing},
        {",1000", true, true, kCheckStartAddressMissing},
        {"1000,,2000", true, true, kCheckStartAddressMissing},
        {"-1000", true, true, kCheckStartAddressMissing},
        {"1000,", true, true, kCheckSuccess},
        {"1000,", true, false, kCheckIllegalAddress},  // the whole text is the one item
        {"zz", true, true, kCheckIllegalAddress},
        {"100000000", true, true, kCheckAddressOutOfRange},
        {"1000-100000000", true, true, kCheckAddressOutOfRange},
        {"0-FFFFFFFF", true, true, kCheckSuccess},
    };
    tarnhost::ValueConversionService service;
    for (const auto& c : cases) {
        EXPECT_EQ(CheckAddressList(c.text, c.range, c.several, &service), c.expected)
            << "'" << c.text << "' range " << c.range << " several " << c.several;
    }
    EXPECT_EQ(CheckAddressList("1000", true, true, nullptr), kCheckIllegalAddress);
}

TEST(NormalizeAddressList, WritesTheServicesAddressTexts) {
    struct Case {
        const char* text;
        bool range;
        bool several;
        const char* expected;
    };
    const Case cases[] = {
        {"1000,", true, true, "00001000"},
        {" 0x1f ", false, false, "0000001F"},
        {"1000-", true, false, "00001000"},
        {"1000 - 10ff, 2000-20FF", true, true, "00001000-000010FF,00002000-000020FF"},
        {"1000,2000,3", false, true, "00001000,00002000,00000003"},
        // a text the check would reject stays as typed
        {"zz", true, true, "zz"},
        {"1000,2000", true, false, "1000,2000"},
        {"1000-10FF,2000", true, true, "1000-10FF,2000"},
    };
    tarnhost::ValueConversionService service;
    for (const auto& c : cases) {
        std::string text = c.text;
        NormalizeAddressList(text, c.range, c.several, &service);
        EXPECT_EQ(text, c.expected) << c.text;
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
