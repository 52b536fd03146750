#include "src/data/HostValueReader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "host/lib/ValueConversion.h"
#include "platform/text/Utf.h"

namespace linkmap {
namespace {

// The reader answers plain hexadecimal fields itself: for every text, short or long, valid or
// not, it must read what the host's service reads (0 where the service refuses).
TEST(HostValueReader, ReadsWhatTheServiceReads) {
    tarnhost::ValueConversionService service;
    HostValueReader reader(&service);
    const std::string alphabet = "0123456789abcdefABCDEFxXgG -\t+";
    std::mt19937 random(10);
    for (int i = 0; i < 50000; ++i) {
        std::string text(random() % 12, ' ');
        for (char& c : text) {
            // Mostly digits, so that long valid numbers and overflows occur.
            c = random() % 4 != 0 ? alphabet[random() % 22] : alphabet[random() % alphabet.size()];
        }
        uint32_t expected = 0;
        if (Failed(service.TextToAddress(tarnui::Utf8ToUtf16(text), 16, &expected))) {
            expected = 0;
        }
        ASSERT_EQ(reader.Address(text), expected) << '"' << text << '"';
        ASSERT_EQ(reader.Number(text), expected) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace linkmap
