// StringTable: named texts by key. The library keeps one for the whole
// process (ProcessStringTable), which Init fills and the lookups read; a
// folder check fills a table of its own.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "StringKey.h"
#include "UTF16String.h"

namespace Verbosa {

class StringTable {
 public:
  // Inserts the entry unless the key is present; a present key keeps its
  // text and the new one is dropped. Returns whether the entry went in.
  bool AddNamedString(std::string key, UTF16String text);

  // The text stored under `key`, or null. The pointer stays valid as long as
  // the table does: entries are never removed.
  const UTF16String* Find(std::string_view key) const;

  std::size_t Size() const noexcept { return entries_.size(); }

 private:
  std::map<StringKey, UTF16String, StringKeyLess> entries_;
};

// The table of the process: empty when the library is loaded, destroyed with
// it. Nothing inside the library clears it; tests that need a fresh one
// assign an empty StringTable to it.
StringTable& ProcessStringTable();

}  // namespace Verbosa
