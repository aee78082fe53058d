#include "TerminatedLength.h"

#include <cstdint>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace arborix_internal {

#if defined(__SSE2__)
// Names and short texts end within their first units, which are compared
// one by one; a longer text is then read in aligned blocks. The units past
// the terminator inside its block are read but never used, which the address
// sanitizer cannot tell from an overflow.
__attribute__((no_sanitize("address"))) std::size_t TerminatedLength(const char16_t* text) {
  constexpr std::size_t kFirstUnits = 8;
  constexpr std::size_t kBlock = sizeof(__m128i);
  const char16_t* unit = text;
  for (; unit < text + kFirstUnits || reinterpret_cast<std::uintptr_t>(unit) % kBlock != 0; ++unit) {
    if (*unit == u'\0') return static_cast<std::size_t>(unit - text);
  }
  const __m128i zero = _mm_setzero_si128();
  for (;; unit += kBlock / sizeof(char16_t)) {
    const __m128i block = _mm_load_si128(reinterpret_cast<const __m128i*>(unit));
    if (const int zeros = _mm_movemask_epi8(_mm_cmpeq_epi16(block, zero))) {
      return static_cast<std::size_t>(unit - text) + static_cast<std::size_t>(__builtin_ctz(zeros)) / 2;
    }
  }
}
#else
std::size_t TerminatedLength(const char16_t* text) { return std::char_traits<char16_t>::length(text); }
#endif

}  // namespace arborix_internal
