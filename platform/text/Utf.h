// Conversion between the component's byte strings (UTF-8) and the host's wide strings (UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace tarnui {

// Invalid UTF-8 sequences become U+FFFD; nothing is dropped silently.
std::u16string Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace tarnui
