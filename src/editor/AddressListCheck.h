// Checks of a typed address list ("1000", "1000-10FF", "1000,2000-20FF") and its stored form.
// Addresses are read and written only by the host's value conversion service, in radix 16.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "src/shell/HostInterfaces.h"

// Which address of an item ReadAddress reads; it names the error of an empty text.
inline constexpr int kReadStartAddress = 1;
inline constexpr int kReadEndAddress = 2;

// Number of ","-separated items; a "," at the very end starts no item. 1 without several.
int CountAddressItems(std::string_view text, bool severalAllowed);
// 1 when the text holds a "-" that is not its last character.
int HasAddressRange(std::string_view text);
// Start and end text of item index (from 0), blanks removed. Without several the whole text
// is the item; without range the whole item is the start and the end is empty.
void SplitAddressItem(int index, std::string_view text, bool rangeAllowed, bool severalAllowed,
                      std::string& start, std::string& end);
// Reads one address: 0 with the value, or 10, 11, 12, 15 (value untouched).
int ReadAddress(std::string_view text, int which, IBraeValueConversion* service, uint32_t& value);
// First fault of an address list: 0, 8 to 13 or 15.
int CheckAddressList(std::string_view text, bool rangeAllowed, bool severalAllowed,
                     IBraeValueConversion* service);
// Rewrites a checked address list in the service's own address texts ("00001000-000010FF").
// A text that the service cannot read is left as it is.
void NormalizeAddressList(std::string& text, bool rangeAllowed, bool severalAllowed,
                          IBraeValueConversion* service);
// The address list text of a group's parallel start and end strings.
std::string JoinAddressList(bool rangeAllowed, bool severalAllowed,
                            const std::vector<std::string>& starts,
                            const std::vector<std::string>& ends);
