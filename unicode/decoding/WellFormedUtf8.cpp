#include "WellFormedUtf8.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace glyphwerk_internal {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Writes the 16 bytes at `p` as 16 units to `o` and returns how many of them,
// from the first, are ASCII; only those units count. Both ranges must hold 16.
#if defined(__SSE2__)
int WidenAsciiRun16(const unsigned char* p, char16_t* o) {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i zero = _mm_setzero_si128();
  _mm_storeu_si128(reinterpret_cast<__m128i*>(o), _mm_unpacklo_epi8(bytes, zero));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(o + 8), _mm_unpackhi_epi8(bytes, zero));
  const auto nonAscii = static_cast<unsigned>(_mm_movemask_epi8(bytes));
  return nonAscii == 0 ? 16 : std::countr_zero(nonAscii);
}
#else
int WidenAsciiRun16(const unsigned char* p, char16_t* o) {
  int run = 0;
  while (run < 16 && p[run] < 0x80) {
    o[run] = p[run];
    ++run;
  }
  return run;
}
#endif

}  // namespace

std::uint32_t DecodeWellFormedUtf8(std::span<const unsigned char> bytes, UnitWriter& out) {
  // No sequence yields more units than it has bytes.
  char16_t* const begin = out.Reserve(bytes.size());
  char16_t* o = begin;
  const unsigned char* p = bytes.data();
  const unsigned char* const end = p + bytes.size();
  while (p < end) {
    const unsigned char lead = *p;
    if (lead < 0x80) {
      // No more units than bytes are written, so 16 bytes left means room for 16 units.
      if (end - p >= 16) {
        const int run = WidenAsciiRun16(p, o);
        p += run;
        o += run;
      } else {
        *o++ = lead;
        ++p;
      }
      continue;
    }
    const std::ptrdiff_t left = end - p;
    if (lead >= 0xC2 && lead <= 0xDF) {
      if (left < 2 || !IsContinuation(p[1])) break;
      *o++ = static_cast<char16_t>(((lead & 0x1Fu) << 6) | (p[1] & 0x3Fu));
      p += 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      if (left < 3) break;
      const unsigned char second = p[1];
      const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
      const unsigned char high = lead == 0xED ? 0x9F : 0xBF;  // ED A0-BF would be a surrogate
      if (second < low || second > high || !IsContinuation(p[2])) break;
      *o++ = static_cast<char16_t>(((lead & 0x0Fu) << 12) | ((second & 0x3Fu) << 6) | (p[2] & 0x3Fu));
      p += 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      if (left < 4) break;
      const unsigned char second = p[1];
      const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
      const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
      if (second < low || second > high || !IsContinuation(p[2]) || !IsContinuation(p[3])) break;
      const std::uint32_t value = (((lead & 0x07u) << 18) | ((second & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) |
                                   (p[3] & 0x3Fu)) - 0x10000;
      o[0] = static_cast<char16_t>(0xD800 + (value >> 10));
      o[1] = static_cast<char16_t>(0xDC00 + (value & 0x3FF));
      o += 2;
      p += 4;
    } else {
      break;
    }
  }
  out.Commit(static_cast<std::size_t>(o - begin));
  return static_cast<std::uint32_t>(p - bytes.data());
}

}  // namespace glyphwerk_internal
