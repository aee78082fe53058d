// One code point written as UTF-8 or as UTF-16. Neither judges the value:
// a surrogate is written like any value below U+10000, so that each caller
// decides for itself what an unpaired surrogate becomes.
#pragma once

namespace platform::utf {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Writes `c` (at most U+10FFFF) at `out` in the shortest UTF-8 form, one to
// four bytes; `out` has room for four. Returns the end of what it wrote.
inline char* WriteAsUtf8(char32_t c, char* out) {
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

// Writes `c` (at most U+10FFFF) at `out` as one unit, or from U+10000 on as a
// surrogate pair; `out` has room for two. Returns the end of what it wrote.
inline char16_t* WriteAsUtf16(char32_t c, char16_t* out) {
  if (c < 0x10000) {
    *out++ = static_cast<char16_t>(c);
    return out;
  }
  c -= 0x10000;
  *out++ = static_cast<char16_t>(0xD800 + (c >> 10));
  *out++ = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  return out;
}

}  // namespace platform::utf
