// StringTable: named texts by key. The library keeps one for the whole
// process (ProcessStringTable), which Init fills and the lookups read; a
// folder check fills a table of its own.
//
// The entries live in a map ordered by StringKey. Lookups go through a flat
// open-addressing index over the same entries, probed by a hash of the key
// bytes, so a search touches one slot array and the entry it finds instead
// of a path of map nodes; an equal key is still one whose checksum and bytes
// are equal, so Find answers exactly as a search of the ordered map would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "StringKey.h"
#include "UTF16String.h"

namespace Verbosa {

class StringTable {
 public:
  StringTable() = default;
  // The index points into the map's nodes, which a move carries along and a
  // copy would not.
  StringTable(StringTable&&) noexcept = default;
  StringTable& operator=(StringTable&&) noexcept = default;
  StringTable(const StringTable&) = delete;
  StringTable& operator=(const StringTable&) = delete;

  // Inserts the entry unless the key is present; a present key keeps its
  // text and the new one is dropped. Returns whether the entry went in.
  bool AddNamedString(std::string key, UTF16String text);

  // The text stored under `key`, or null. The pointer stays valid as long as
  // the table does: entries are never removed.
  const UTF16String* Find(std::string_view key) const;

  std::size_t Size() const noexcept { return entries_.size(); }

 private:
  using Entry = std::pair<const StringKey, UTF16String>;
  struct Slot {
    std::size_t hash = 0;
    const Entry* entry = nullptr;  // null: the slot is free
  };

  void Index(std::size_t hash, const Entry& entry);
  void GrowIndex();

  std::map<StringKey, UTF16String, StringKeyLess> entries_;
  std::vector<Slot> index_;  // a power of two in size, at most half full
};

// The table of the process: empty when the library is loaded, destroyed with
// it. Nothing inside the library clears it; tests that need a fresh one
// assign an empty StringTable to it.
StringTable& ProcessStringTable();

}  // namespace Verbosa
