// UTF-16 code units: how two bytes make one in either byte order, and which
// units are the halves of a surrogate pair.
#pragma once

namespace platform::utf {

enum class ByteOrder { LittleEndian, BigEndian };

// The unit made of `first` and `second`, the two bytes in the order they are stored.
template <ByteOrder order>
constexpr char16_t Utf16UnitOf(unsigned char first, unsigned char second) {
  if constexpr (order == ByteOrder::LittleEndian) return static_cast<char16_t>(second << 8 | first);
  return static_cast<char16_t>(first << 8 | second);
}

constexpr bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
constexpr bool IsSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// The code point (U+10000 to U+10FFFF) of a high surrogate followed by a low one.
constexpr char32_t CodePointOfPair(char16_t high, char16_t low) {
  return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (static_cast<char32_t>(low) - 0xDC00);
}

}  // namespace platform::utf
