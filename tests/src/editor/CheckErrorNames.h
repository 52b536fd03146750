// The check errors by the names the test tables use: the constant's name without "kCheck".
#pragma once

#include <iterator>
#include <string>

#include "src/editor/SectionCheckErrors.h"

inline std::string CheckErrorName(int error) {
    static const char* const kNames[] = {"Success",
                                         "IllegalParentheses",
                                         "OverlayNests",
                                         "IllegalDelimiter",
                                         "InvalidCharacter",
                                         "InvalidSelection",
                                         "OverlayNotAllowed",
                                         "PartialOverlayNotAllowed",
                                         "SeveralAddressesNotAllowed",
                                         "EndAddressNotAllowed",
                                         "IllegalAddress",
                                         "StartAddressMissing",
                                         "EndAddressMissing",
                                         "StartNotBelowEnd",
                                         "AddressExists",
                                         "AddressOutOfRange"};
    static_assert(std::size(kNames) == kCheckLastError + 1);
    return error >= 0 && error <= kCheckLastError ? kNames[error] : std::to_string(error);
}
