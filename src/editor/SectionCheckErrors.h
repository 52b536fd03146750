// Error numbers of the section list and address list checks. Error n is shown to the user as
// the string resource kCheckMessageBase + n.
#pragma once

inline constexpr int kCheckSuccess = 0;
inline constexpr int kCheckIllegalParentheses = 1;
inline constexpr int kCheckOverlayNests = 2;
inline constexpr int kCheckIllegalDelimiter = 3;
inline constexpr int kCheckInvalidCharacter = 4;
inline constexpr int kCheckInvalidSelection = 5;
inline constexpr int kCheckOverlayNotAllowed = 6;
inline constexpr int kCheckPartialOverlayNotAllowed = 7;
inline constexpr int kCheckSeveralAddressesNotAllowed = 8;
inline constexpr int kCheckEndAddressNotAllowed = 9;
inline constexpr int kCheckIllegalAddress = 10;
inline constexpr int kCheckStartAddressMissing = 11;
inline constexpr int kCheckEndAddressMissing = 12;
inline constexpr int kCheckStartNotBelowEnd = 13;
inline constexpr int kCheckAddressExists = 14;
inline constexpr int kCheckAddressOutOfRange = 15;
inline constexpr int kCheckLastError = kCheckAddressOutOfRange;

inline constexpr int kCheckMessageBase = 35000;

// String resource of an error's message.
constexpr int CheckMessageId(int error) {
    return kCheckMessageBase + error;
}
