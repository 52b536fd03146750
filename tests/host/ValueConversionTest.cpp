#include "host/lib/ValueConversion.h"

#include <gtest/gtest.h>

#include "platform/text/Utf.h"

namespace tarnhost {
namespace {

struct ReadCase {
    const char16_t* text;
    HResult status;
    uint32_t value;
};

TEST(ValueConversion, ReadsHexWithOptionalPrefixAndBlanks) {
    const ReadCase cases[] = {
        {u"FF00", kStatusOk, 0xFF00},
        {u"0x1f0", kStatusOk, 0x1F0},
        {u"  0XABCD \t", kStatusOk, 0xABCD},
        {u"FFFFFFFF", kStatusOk, 0xFFFFFFFF},
        {u"00000000FFFFFFFF", kStatusOk, 0xFFFFFFFF},
        {u"100000000", kStatusOutOfRange, 0},
        {u"", kStatusFail, 0},
        {u"   ", kStatusFail, 0},
        {u"0x", kStatusFail, 0},
        {u"12G4", kStatusFail, 0},
        {u"1 2", kStatusFail, 0},
        {u"-1", kStatusFail, 0},
        {u"1FFFFFFFFZ", kStatusFail, 0},
    };
    ValueConversionService service;
    for (const auto& c : cases) {
        uint32_t value = 0;
        EXPECT_EQ(service.TextToAddress(c.text, 16, &value), c.status)
            << "text \"" << tarnui::Utf16ToUtf8(c.text) << "\"";
        if (c.status == kStatusOk) {
            EXPECT_EQ(value, c.value);
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
