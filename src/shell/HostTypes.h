// Types that cross the boundary between the host and the component: status codes, 16-byte
// identifiers, wide strings and the string list of the linker setting calls.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using HResult = int32_t;

inline constexpr HResult kStatusOk = 0;
inline constexpr HResult kStatusFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kStatusNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kStatusOutOfRange = static_cast<HResult>(0x80040908u);

inline constexpr bool Succeeded(HResult status) {
    return status >= 0;
}
inline constexpr bool Failed(HResult status) {
    return status < 0;
}

// A 16-byte identifier of an interface, a service, an event or a component.
struct TarnId {
    std::array<uint8_t, 16> bytes{};
    friend constexpr bool operator==(const TarnId&, const TarnId&) = default;
};

// Host strings are wide (UTF-16); the component converts them at the boundary.
using WString = std::u16string;

// A list of names as it crosses the boundary: a variant of type 0x2008 (array of strings)
// holding a zero-based one-dimensional array of string elements.
struct HostStringList {
    static constexpr uint16_t kArrayOfStrings = 0x2008;
    uint16_t type = kArrayOfStrings;
    std::vector<WString> elements;
};

// A name and its value, as the custom placeholder service hands them out.
struct HostNameValue {
    WString name;
    WString value;
};
