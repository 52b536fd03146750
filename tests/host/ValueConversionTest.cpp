#include "host/lib/ValueConversion.h"

#include <gtest/gtest.h>

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

TEST(ValueConversion, WritesFixedTexts) {
    ValueConversionService service;
    WString text;
    ASSERT_EQ(service.AddressToText(0xFF00, 0, -1, 0, &text), kStatusOk);
    EXPECT_EQ(text, u"0000FF00");
    ASSERT_EQ(service.AddressToText(0xFFFFFFFF, 0, -1, 0, &text), kStatusOk);
    EXPECT_EQ(text, u"FFFFFFFF");
    ASSERT_EQ(service.NumberToText(0x1F0, 16, &text), kStatusOk);
    EXPECT_EQ(text, u"0x1F0");
    ASSERT_EQ(service.NumberToText(0, 16, &text), kStatusOk);
    EXPECT_EQ(text, u"0x0");
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
