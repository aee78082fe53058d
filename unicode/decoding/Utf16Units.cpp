#include "Utf16Units.h"

#include <bit>
#include <cstring>

namespace glyphwerk_internal {

using platform::utf::Utf16UnitOf;

template <ByteOrder order>
void DecodeUtf16Unit(ByteCursor& cursor, UnitWriter& out) {
  const unsigned char first = cursor.Current();
  cursor.Advance();
  const unsigned char second = cursor.Exhausted() ? 0 : cursor.Current();
  cursor.Advance();
  out.Append(Utf16UnitOf<order>(first, second));
}

template <ByteOrder order>
std::uint32_t DecodeUtf16Pairs(std::span<const unsigned char> bytes, UnitWriter& out) {
  const std::size_t units = bytes.size() / 2;
  char16_t* o = out.Reserve(units);
  constexpr bool nativeOrder = (order == ByteOrder::LittleEndian) == (std::endian::native == std::endian::little);
  if constexpr (nativeOrder) {
    if (units != 0) std::memcpy(o, bytes.data(), units * 2);
  } else {
    for (std::size_t i = 0; i < units; ++i) o[i] = Utf16UnitOf<order>(bytes[2 * i], bytes[2 * i + 1]);
  }
  out.Commit(units);
  return static_cast<std::uint32_t>(units * 2);
}

template void DecodeUtf16Unit<ByteOrder::LittleEndian>(ByteCursor&, UnitWriter&);
template void DecodeUtf16Unit<ByteOrder::BigEndian>(ByteCursor&, UnitWriter&);
template std::uint32_t DecodeUtf16Pairs<ByteOrder::LittleEndian>(std::span<const unsigned char>, UnitWriter&);
template std::uint32_t DecodeUtf16Pairs<ByteOrder::BigEndian>(std::span<const unsigned char>, UnitWriter&);

}  // namespace glyphwerk_internal
