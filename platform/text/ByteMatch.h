// Which of sixteen (or sixty-four) bytes equal a character, as a bit mask: the step in which
// the scanners of listing lines look at many bytes at once. It uses the processor's vector
// compare where the target has one, and eight bytes in one word at a time otherwise.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarnui {

// Bit i set when bytes[i] is a or b, for the sixteen bytes from bytes on.
inline uint32_t MatchSixteen(const char* bytes, char a, char b) {
#if defined(__SSE2__)
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(a)),
                                      _mm_cmpeq_epi8(v, _mm_set1_epi8(b)));
    return static_cast<uint32_t>(_mm_movemask_epi8(hits));
#else
    uint32_t mask = 0;
    for (int half = 0; half < 2; ++half) {
        uint64_t word;
        std::memcpy(&word, bytes + 8 * half, sizeof word);
        if constexpr (std::endian::native == std::endian::big) {
            word = __builtin_bswap64(word);
        }
        // The high bit of every byte equal to c, and no other bit.
        const auto equal = [word](char c) {
            constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
            const uint64_t t = word ^ (0x0101010101010101ull * static_cast<unsigned char>(c));
            return ~(((t & kLow7) + kLow7) | t | kLow7);
        };
        const uint64_t high = equal(a) | equal(b);
        mask |= static_cast<uint32_t>(((high >> 7) * 0x0102040810204080ull) >> 56) << (8 * half);
    }
    return mask;
#endif
}

// Bit i set when bytes[i] is c, for the sixty-four bytes from bytes on.
inline uint64_t MatchSixtyFour(const char* bytes, char c) {
    uint64_t mask = 0;
    for (int part = 0; part < 4; ++part)
        mask |= uint64_t{MatchSixteen(bytes + 16 * part, c, c)} << (16 * part);
    return mask;
}

}  // namespace tarnui
