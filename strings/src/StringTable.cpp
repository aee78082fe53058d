#include "StringTable.h"

#include <utility>

namespace Verbosa {

bool StringTable::AddNamedString(std::string key, UTF16String text) {
  StringKey tableKey{std::move(key)};
  const auto place = entries_.lower_bound(tableKey.View());
  if (place != entries_.end() && place->first.View() == tableKey.View()) return false;
  entries_.emplace_hint(place, std::move(tableKey), std::move(text));
  return true;
}

const UTF16String* StringTable::Find(std::string_view key) const {
  const StringKeyView wanted{key};
  const auto place = entries_.lower_bound(wanted);
  if (place == entries_.end() || !(place->first.View() == wanted)) return nullptr;
  return &place->second;
}

StringTable& ProcessStringTable() {
  static StringTable table;
  return table;
}

}  // namespace Verbosa
