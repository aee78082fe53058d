// StringKey: the key of the string table. Keys are ordered by a 16-bit
// checksum first, so that most comparisons during a search are integer
// comparisons; only keys with equal checksums compare their bytes.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace Verbosa {

// The sum of the key's bytes, each read as a signed 8-bit value, modulo 65536.
// For ASCII keys this is the plain sum of the character codes.
std::uint16_t KeyChecksum(std::string_view key) noexcept;

// A key seen through a view: what a lookup compares against the table
// without copying the caller's key.
struct StringKeyView {
  explicit StringKeyView(std::string_view text) noexcept : StringKeyView(KeyChecksum(text), text) {}
  StringKeyView(std::uint16_t sum, std::string_view text) noexcept : checksum(sum), key(text) {}

  std::uint16_t checksum;
  std::string_view key;
};

struct StringKey {
  explicit StringKey(std::string text) : checksum(KeyChecksum(text)), key(std::move(text)) {}

  StringKeyView View() const noexcept { return StringKeyView{checksum, key}; }

  std::uint16_t checksum;
  std::string key;
};

// Checksum as an unsigned number, then the bytes as unsigned values, a proper
// prefix before the longer key.
std::strong_ordering operator<=>(const StringKeyView& a, const StringKeyView& b) noexcept;
bool operator==(const StringKeyView& a, const StringKeyView& b) noexcept;

// The table's comparator; transparent, so a lookup can search with a view.
struct StringKeyLess {
  using is_transparent = void;
  bool operator()(const StringKey& a, const StringKey& b) const noexcept { return a.View() < b.View(); }
  bool operator()(const StringKey& a, const StringKeyView& b) const noexcept { return a.View() < b; }
  bool operator()(const StringKeyView& a, const StringKey& b) const noexcept { return a < b.View(); }
};

}  // namespace Verbosa
