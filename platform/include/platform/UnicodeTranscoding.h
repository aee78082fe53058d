// Lenient UTF-8 <-> UTF-16 transcoding for the edges of the suite: debugger
// output, the parser component's strings, the command-line tool's arguments
// and output. Ill-formed input never fails: each bad UTF-8 sequence (invalid,
// truncated, overlong, surrogate or beyond U+10FFFF) and each unpaired
// surrogate becomes U+FFFD, and transcoding goes on after it.
//
// The libraries' own conversions with stricter contracts (the decoders of
// Glyphwerk, UTF8to16/UTF16to8 of Arborix) do not use these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Writes code point `c` (at most U+10FFFF) as UTF-8 at `out`, which has room
// for four bytes; returns the end of what it wrote.
inline char* WriteUTF8(char32_t c, char* out) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (c >> 18));
    *out++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// Appends code point `c` (at most U+10FFFF) to `out` as UTF-8.
inline void AppendUTF8(std::string& out, char32_t c) {
  char bytes[4];
  out.append(bytes, WriteUTF8(c, bytes));
}

// Decodes the sequence at `in[i]` (i < in.size()) and advances `i` past it;
// a bad sequence yields U+FFFD and advances by one byte.
inline char32_t DecodeUTF8(std::string_view in, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(in[i]);
  std::size_t length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++i;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return kReplacementCharacter;
  }
  if (in.size() - i < length) {
    ++i;
    return kReplacementCharacter;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(in[i + k]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return kReplacementCharacter;
    }
    c = (c << 6) | (next & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return kReplacementCharacter;
  }
  i += length;
  return c;
}

// Widens the run of ASCII bytes at the start of `in` (at most `count` bytes)
// into `out`; returns how many bytes it took. `out` must have room for
// `count` units: a block of sixteen is stored whole, and the units after the
// first non-ASCII byte are left for the caller to overwrite.
inline std::size_t WidenASCII(const char* in, std::size_t count, char16_t* out) {
  std::size_t done = 0;
#if defined(__SSE2__)
  // Sixteen bytes at a time, each one interleaved with a zero byte.
  const __m128i zero = _mm_setzero_si128();
  for (; count - done >= 16; done += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), _mm_unpacklo_epi8(bytes, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done + 8), _mm_unpackhi_epi8(bytes, zero));
    if (const int high = _mm_movemask_epi8(bytes); high != 0) {
      return done + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(high)));
    }
  }
#endif
  for (; count - done >= 8; done += 8) {
    std::uint64_t chunk;
    std::memcpy(&chunk, in + done, sizeof chunk);
    if ((chunk & 0x8080808080808080u) != 0) break;
    for (std::size_t k = 0; k < 8; ++k) out[done + k] = static_cast<char16_t>(in[done + k]);
  }
  while (done < count && static_cast<unsigned char>(in[done]) < 0x80) {
    out[done] = static_cast<char16_t>(in[done]);
    ++done;
  }
  return done;
}

// Writes the UTF-16 form of `utf8` at `out`, which has room for utf8.size()
// units (UTF-16 never needs more), and returns the number of units written.
// Runs of ASCII are copied without decoding.
inline std::size_t WriteAsUTF16(std::string_view utf8, char16_t* out) {
  char16_t* write = out;
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t ascii = WidenASCII(utf8.data() + i, utf8.size() - i, write);
    i += ascii;
    write += ascii;
    if (i == utf8.size()) break;
    // Two-byte sequences (Latin, Greek, Cyrillic, Hebrew, Arabic) need no
    // range checks beyond their lead byte and one continuation byte.
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead >= 0xC2 && lead <= 0xDF && utf8.size() - i >= 2 &&
        (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
      *write++ = static_cast<char16_t>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
      i += 2;
      continue;
    }
    char32_t c = DecodeUTF8(utf8, i);
    if (c >= 0x10000) {
      c -= 0x10000;
      *write++ = static_cast<char16_t>(0xD800 + (c >> 10));
      *write++ = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      *write++ = static_cast<char16_t>(c);
    }
  }
  return static_cast<std::size_t>(write - out);
}

// The number of units WriteAsUTF16 writes for `utf8`.
inline std::size_t UTF16LengthOf(std::string_view utf8) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    std::uint64_t chunk;
    if (utf8.size() - i >= sizeof chunk) {
      std::memcpy(&chunk, utf8.data() + i, sizeof chunk);
      if ((chunk & 0x8080808080808080u) == 0) {
        i += sizeof chunk;
        units += sizeof chunk;
        continue;
      }
    }
    units += DecodeUTF8(utf8, i) >= 0x10000 ? 2 : 1;
  }
  return units;
}

// Appends the UTF-16 form of `utf8` to `out`.
inline void AppendAsUTF16(std::string_view utf8, std::u16string& out) {
  // Reserved once for the most it can take, and written in place.
  const std::size_t start = out.size();
  out.resize(start + utf8.size());
  out.resize(start + WriteAsUTF16(utf8, out.data() + start));
}

inline std::u16string ToUTF16(std::string_view utf8) {
  std::u16string out;
  AppendAsUTF16(utf8, out);
  return out;
}

inline std::string ToUTF8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacementCharacter;
    }
    AppendUTF8(out, c);
  }
  return out;
}

}  // namespace platform
