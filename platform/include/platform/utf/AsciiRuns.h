// Runs of ASCII, which most text is made of, copied between UTF-8 and UTF-16
// without decoding. Each kernel has a portable scalar form and, where the
// compiler targets SSE2, a form that takes sixteen bytes at a time and ends
// in the scalar one; both give the same results, stores past the run
// included in what the caller may not rely on.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/utf/Utf16Units.h"

namespace platform::utf {

// True when none of the eight bytes at `bytes` has its high bit set.
inline bool EightAsciiBytes(const unsigned char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return (word & 0x8080808080808080u) == 0;
}

// Widens the run of ASCII bytes at the start of `in` (at most `count` bytes)
// into `out`, one unit a byte, and returns the length of the run. `out` has
// room for `count` units; those after the run may have been written too, and
// are the caller's to overwrite.
inline std::size_t WidenAsciiRunScalar(const unsigned char* in, std::size_t count, char16_t* out) {
  std::size_t done = 0;
  for (; count - done >= 8 && EightAsciiBytes(in + done); done += 8) {
    for (std::size_t k = 0; k < 8; ++k) out[done + k] = in[done + k];
  }
  for (; done < count && in[done] < 0x80; ++done) out[done] = in[done];
  return done;
}

// WidenAsciiRunScalar, sixteen bytes at a time where SSE2 is there.
inline std::size_t WidenAsciiRun(const unsigned char* in, std::size_t count, char16_t* out) {
  std::size_t done = 0;
#if defined(__SSE2__)
  // Each byte interleaved with a zero byte; the whole block is stored.
  const __m128i zero = _mm_setzero_si128();
  for (; count - done >= 16; done += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done + 8), _mm_unpackhi_epi8(bytes, zero));
    if (const auto high = static_cast<unsigned>(_mm_movemask_epi8(bytes)); high != 0) {
      return done + static_cast<std::size_t>(std::countr_zero(high));
    }
  }
#endif
  return done + WidenAsciiRunScalar(in + done, count - done, out + done);
}

// Narrows the run of units U+0001 to U+007F at the start of `units` (at most
// `count` units, two bytes each in `order`) into `out`, one byte a unit, and
// returns the length of the run. U+0000 ends a run like any unit from U+0080
// on. `out` has room for `count` bytes; those after the run may have been
// written too, and are the caller's to overwrite.
template <ByteOrder order>
std::size_t NarrowAsciiRunScalar(const unsigned char* units, std::size_t count, char* out) {
  std::size_t done = 0;
  for (; done < count; ++done) {
    const char16_t unit = Utf16UnitOf<order>(units[2 * done], units[2 * done + 1]);
    if (unit == 0 || unit >= 0x80) break;
    out[done] = static_cast<char>(unit);
  }
  return done;
}

// NarrowAsciiRunScalar, eight units at a time where SSE2 is there.
template <ByteOrder order>
std::size_t NarrowAsciiRun(const unsigned char* units, std::size_t count, char* out) {
  std::size_t done = 0;
#if defined(__SSE2__)
  // The eight units of a block are packed into eight bytes, which are stored whole.
  const __m128i zero = _mm_setzero_si128();
  const __m128i notAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
  for (; count - done >= 8; done += 8) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + 2 * done));
    if constexpr (order == ByteOrder::BigEndian) block = _mm_or_si128(_mm_slli_epi16(block, 8), _mm_srli_epi16(block, 8));
    const __m128i ascii16 =
        _mm_andnot_si128(_mm_cmpeq_epi16(block, zero), _mm_cmpeq_epi16(_mm_and_si128(block, notAscii), zero));
    const auto ascii = static_cast<unsigned>(_mm_movemask_epi8(ascii16));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + done), _mm_packus_epi16(block, block));
    if (ascii != 0xFFFF) return done + static_cast<std::size_t>(std::countr_one(ascii)) / 2;
  }
#endif
  return done + NarrowAsciiRunScalar<order>(units + 2 * done, count - done, out + done);
}

}  // namespace platform::utf
