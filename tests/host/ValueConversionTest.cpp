#include "host/lib/ValueConversion.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <vector>

#include "platform/text/Utf.h"
#include "tests/support/TableFile.h"

namespace tarnhost {
namespace {

// The rows of tests/data/tables/address-texts.txt.
TEST(ValueConversion, ReadsHexWithOptionalPrefixAndBlanks) {
    ValueConversionService service;
    for (const tarntest::TableRow& row : tarntest::ReadTable("address-texts.txt")) {
        uint32_t value = 0;
        const HResult status = service.TextToAddress(tarnui::Utf8ToUtf16(row[0]), 16, &value);
        const std::string answer = status == kStatusOk           ? "ok"
                                   : status == kStatusOutOfRange ? "out of range"
                                   : Failed(status)              ? "not a number"
                                                                 : "success code";
        EXPECT_EQ(answer, row[1]) << row.where;
        if (status == kStatusOk) {
            EXPECT_EQ(value, std::stoul(row[2], nullptr, 16)) << row.where;
        }
    }
}

// The texts are built by hand for speed; printf's formats are the reference.
TEST(ValueConversion, WritesWhatPrintfWrites) {
    ValueConversionService service;
    std::vector<uint32_t> values = {0, 1, 9, 10, 15, 16, 0xFFFF, 0x10000, 0x7FFFFFFF, 0xFFFFFFFF};
    std::mt19937 random(15);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(static_cast<uint32_t>(random()) >> (i % 32));
    }
    for (uint32_t value : values) {
        char expected[32];
        WString text;
        ASSERT_EQ(service.AddressToText(value, 0, -1, 0, &text), kStatusOk);
        std::snprintf(expected, sizeof expected, "%08X", value);
        ASSERT_EQ(tarnui::Utf16ToUtf8(text), expected);
        ASSERT_EQ(service.NumberToText(value, 16, &text), kStatusOk);
        std::snprintf(expected, sizeof expected, "0x%X", value);
        ASSERT_EQ(tarnui::Utf16ToUtf8(text), expected);
        ASSERT_EQ(service.NumberToText(value, 10, &text), kStatusOk);
        std::snprintf(expected, sizeof expected, "%u", value);
        ASSERT_EQ(tarnui::Utf16ToUtf8(text), expected);
    }
    WString refused;
    EXPECT_EQ(service.NumberToText(1, 8, &refused), kStatusFail);
}

TEST(ValueConversion, QueryAnswersOwnAndGenericIdentifiersOnly) {
    ValueConversionService service;
    void* out = nullptr;
    EXPECT_EQ(service.QueryInterface(kIdValueConversionService, &out), kStatusOk);
    EXPECT_EQ(out, static_cast<IBraeValueConversion*>(&service));
    EXPECT_EQ(service.QueryInterface(kIdIBraeHost, &out), kStatusNoInterface);
    EXPECT_EQ(out, nullptr);
}

}  // namespace
}  // namespace tarnhost
