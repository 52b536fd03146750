// Address list check on arbitrary texts, and normalisation of the texts that pass it. The first
// byte chooses the capability flags; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "host/lib/ValueConversion.h"
#include "src/editor/AddressListCheck.h"
#include "src/editor/SectionCheckErrors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    static tarnhost::ValueConversionService service;
    const bool range = (data[0] & 1) != 0;
    const bool several = (data[0] & 2) != 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const int count = CountAddressItems(text, several);
    FUZZ_CHECK(count >= 1);
    FUZZ_CHECK(HasAddressRange(text) <= 1);
    std::string start;
    std::string end;
    SplitAddressItem(count - 1, text, range, several, start, end);
    FUZZ_CHECK(start.find_first_of(" \t") == std::string::npos &&
               end.find(' ') == std::string::npos);

    const int error = CheckAddressList(text, range, several, &service);
    FUZZ_CHECK(error == kCheckSuccess ||
               (error >= kCheckSeveralAddressesNotAllowed && error <= kCheckStartNotBelowEnd) ||
               error == kCheckAddressOutOfRange);
    if (error != kCheckSuccess) {
        return 0;
    }
    // The stored form passes the check again and is its own stored form.
    std::string normal = text;
    NormalizeAddressList(normal, range, several, &service);
    FUZZ_CHECK(CheckAddressList(normal, range, several, &service) == kCheckSuccess);
    FUZZ_CHECK(CountAddressItems(normal, true) == CountAddressItems(text, true));
    std::string again = normal;
    NormalizeAddressList(again, range, several, &service);
    FUZZ_CHECK(again == normal);
    return 0;
}
