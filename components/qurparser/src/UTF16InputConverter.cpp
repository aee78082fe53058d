#include "UTF16InputConverter.h"

#include <algorithm>

#include "platform/UnicodeTranscoding.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qur {
namespace {

constexpr char kNotUTF8 = static_cast<char>(0xFF);
constexpr char kFourByteLead = static_cast<char>(0xF0);

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

template <bool BigEndian>
char16_t UnitAt(const unsigned char* bytes) {
  return BigEndian ? static_cast<char16_t>((bytes[0] << 8) | bytes[1]) : static_cast<char16_t>(bytes[0] | (bytes[1] << 8));
}

// Narrows the run of ASCII units other than U+0000 at the start of `units`
// (at most `count`) into `out`; returns how many it took. A block of eight is
// stored whole, and the bytes after the first other unit are left for the
// caller to overwrite.
template <bool BigEndian>
std::size_t NarrowASCII(const unsigned char* units, std::size_t count, char* out) {
  std::size_t done = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i notASCII = _mm_set1_epi16(static_cast<short>(0xFF80));
  for (; count - done >= 8; done += 8) {
    __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + 2 * done));
    if constexpr (BigEndian) block = _mm_or_si128(_mm_slli_epi16(block, 8), _mm_srli_epi16(block, 8));
    const __m128i ascii16 = _mm_andnot_si128(_mm_cmpeq_epi16(block, zero),
                                             _mm_cmpeq_epi16(_mm_and_si128(block, notASCII), zero));
    const int ascii = _mm_movemask_epi8(ascii16);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + done), _mm_packus_epi16(block, block));
    if (ascii != 0xFFFF) return done + static_cast<std::size_t>(__builtin_ctz(~static_cast<unsigned>(ascii)) / 2);
  }
#endif
  while (done < count) {
    const char16_t unit = UnitAt<BigEndian>(units + 2 * done);
    if (unit == 0 || unit >= 0x80) break;
    out[done] = static_cast<char>(unit);
    ++done;
  }
  return done;
}

}  // namespace

std::size_t UTF16InputConverter::MostOutput(std::size_t bytes) { return 3 * (bytes / 2 + 2) + 3; }

char* UTF16InputConverter::Room(std::size_t bytes) {
  const std::size_t needed = MostOutput(bytes);
  if (needed > capacity_) {
    storage_ = std::make_unique_for_overwrite<char[]>(needed);
    capacity_ = needed;
  }
  return storage_.get();
}

// Writes one unit, or the pair it completes.
char* UTF16InputConverter::Unit(char16_t unit, char* write) {
  if (highSurrogate_ != 0 && IsLowSurrogate(unit)) {
    write = platform::WriteUTF8(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00), write);
    highSurrogate_ = 0;
    return write;
  }
  if (highSurrogate_ != 0) {
    *write++ = kNotUTF8;
    highSurrogate_ = 0;
  }
  if (IsHighSurrogate(unit)) {
    highSurrogate_ = unit;
    return write;
  }
  if (IsLowSurrogate(unit) || unit == 0) {
    *write++ = kNotUTF8;
    return write;
  }
  return platform::WriteUTF8(unit, write);
}

void UTF16InputConverter::Begin(ByteOrder order, bool marked) {
  Reset();
  bigEndian_ = order == ByteOrder::BigEndian;
  markBytesLeft_ = marked ? 2 : 0;
}

bool UTF16InputConverter::Convert(std::string_view bytes, bool final, char* destination) {
  const std::size_t mark = std::min(markBytesLeft_, bytes.size());
  markBytesLeft_ -= mark;
  bytes.remove_prefix(mark);
  return bigEndian_ ? ConvertUnits<true>(bytes, final, destination) : ConvertUnits<false>(bytes, final, destination);
}

template <bool BigEndian>
bool UTF16InputConverter::ConvertUnits(std::string_view bytes, bool final, char* destination) {
  auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t left = bytes.size();
  char* const start = destination != nullptr ? destination : Room(left);
  char* write = start;
  if (carriedByte_ >= 0 && left > 0) {
    const unsigned char joined[2] = {static_cast<unsigned char>(carriedByte_), in[0]};
    carriedByte_ = -1;
    ++in;
    --left;
    write = Unit(UnitAt<BigEndian>(joined), write);
  }
  while (left >= 2) {
    if (highSurrogate_ == 0) {
      const std::size_t ascii = NarrowASCII<BigEndian>(in, left / 2, write);
      in += 2 * ascii;
      left -= 2 * ascii;
      write += ascii;
      if (left < 2) break;
    }
    const char16_t unit = UnitAt<BigEndian>(in);
    in += 2;
    left -= 2;
    if (highSurrogate_ == 0 && unit >= 0x80 && unit < 0x800) {
      // Latin, Greek, Cyrillic, Hebrew, Arabic: two bytes, nothing to check.
      write = platform::WriteUTF8(unit, write);
    } else {
      write = Unit(unit, write);
    }
  }
  if (left == 1) carriedByte_ = in[0];
  if (final && highSurrogate_ != 0) {
    // Half of a pair cut off by the end: the first byte of a four-byte form,
    // with nothing after it, is where Expat reports a partial character.
    *write++ = kFourByteLead;
    highSurrogate_ = 0;
  }
  output_ = {start, static_cast<std::size_t>(write - start)};
  return !final || carriedByte_ < 0;
}

void UTF16InputConverter::Reset() {
  output_ = {};
  highSurrogate_ = 0;
  carriedByte_ = -1;
  bigEndian_ = false;
  markBytesLeft_ = 0;
}

}  // namespace qur
