// Conversion between the component's byte strings (UTF-8) and the host's wide strings (UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace tarnui {

// Texts that are not UTF-8 (an ISO-8859-1 note in a workspace, say) must come back byte for
// byte: each byte that is not part of a valid UTF-8 sequence becomes the lone surrogate
// U+DC80 + (byte - 0x80), and Utf16ToUtf8 turns such a surrogate back into that byte.
std::u16string Utf8ToUtf16(std::string_view text);
// Lone surrogates U+DC80 to U+DCFF become the bytes 0x80 to 0xFF; other unpaired surrogates
// become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// The same conversions appended to `out`, so that a caller converting many texts can reuse
// one buffer.
void AppendUtf8ToUtf16(std::string_view text, std::u16string& out);
void AppendUtf16ToUtf8(std::u16string_view text, std::string& out);

}  // namespace tarnui
