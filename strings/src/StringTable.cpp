#include "StringTable.h"

#include <functional>

namespace Verbosa {
namespace {

constexpr std::size_t kFirstIndexSize = 64;

std::size_t KeyHash(std::string_view key) noexcept { return std::hash<std::string_view>{}(key); }

}  // namespace

bool StringTable::AddNamedString(std::string key, UTF16String text) {
  StringKey tableKey{std::move(key)};
  const auto place = entries_.lower_bound(tableKey.View());
  if (place != entries_.end() && place->first.View() == tableKey.View()) return false;
  if ((entries_.size() + 1) * 2 > index_.size()) GrowIndex();
  const std::size_t hash = KeyHash(tableKey.key);
  const auto inserted = entries_.emplace_hint(place, std::move(tableKey), std::move(text));
  Index(hash, *inserted);
  return true;
}

const UTF16String* StringTable::Find(std::string_view key) const {
  if (index_.empty()) return nullptr;
  const std::size_t hash = KeyHash(key);
  const std::size_t mask = index_.size() - 1;
  std::uint32_t checksum = 0x10000;  // worked out at the first slot whose hash matches
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = index_[at];
    if (slot.entry == nullptr) return nullptr;
    if (slot.hash != hash) continue;
    if (checksum > 0xFFFF) checksum = KeyChecksum(key);
    if (slot.entry->first.View() == StringKeyView{static_cast<std::uint16_t>(checksum), key}) {
      return &slot.entry->second;
    }
  }
}

void StringTable::Index(std::size_t hash, const Entry& entry) {
  const std::size_t mask = index_.size() - 1;
  std::size_t at = hash & mask;
  while (index_[at].entry != nullptr) at = (at + 1) & mask;
  index_[at] = Slot{hash, &entry};
}

void StringTable::GrowIndex() {
  std::vector<Slot> old = std::exchange(index_, std::vector<Slot>(index_.empty() ? kFirstIndexSize : index_.size() * 2));
  for (const Slot& slot : old) {
    if (slot.entry != nullptr) Index(slot.hash, *slot.entry);
  }
}

StringTable& ProcessStringTable() {
  static StringTable table;
  return table;
}

}  // namespace Verbosa
