#include "StringKey.h"

namespace Verbosa {

std::uint16_t KeyChecksum(std::string_view key) noexcept {
  std::uint16_t sum = 0;
  for (char byte : key) sum = static_cast<std::uint16_t>(sum + static_cast<std::int8_t>(byte));
  return sum;
}

std::strong_ordering operator<=>(const StringKeyView& a, const StringKeyView& b) noexcept {
  if (a.checksum != b.checksum) return a.checksum <=> b.checksum;
  // char_traits<char> compares bytes as unsigned char.
  const int order = a.key.compare(b.key);
  return order <=> 0;
}

bool operator==(const StringKeyView& a, const StringKeyView& b) noexcept {
  return a.checksum == b.checksum && a.key == b.key;
}

}  // namespace Verbosa
