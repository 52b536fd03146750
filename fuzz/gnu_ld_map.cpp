// Feeds arbitrary bytes to the GNU ld map parser; what it finds must survive the way into the
// component's listing and back.
#include <cstddef>
#include <cstdint>

#include "fuzz/MapRoundTrip.h"
#include "host/lib/GnuLdMapParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    maproundtrip::ReadBack(tarnhost::ParseGnuLdMap(text));
    return 0;
}
