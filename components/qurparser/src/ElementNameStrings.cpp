#include "ElementNameStrings.h"

#include <new>

#include "Broker.h"

namespace qur {

KORErrorHandle ElementNameStrings::Lend(std::string_view name, KORContainer& result) {
  Entry* target = nullptr;
  for (Entry& entry : entries_) {
    if (entry.name != name) continue;
    if (entry.string.Unchanged()) {
      result = entry.string.get();
      return nullptr;
    }
    target = &entry;
    break;
  }
  if (target == nullptr) {
    target = &entries_[next_];
    next_ = (next_ + 1) % kEntries;
    try {
      target->name = name;
    } catch (const std::bad_alloc&) {
      target->name.clear();
      result = nullptr;
      return OutOfMemory();
    }
  }
  return target->string.Lend(name, result);
}

}  // namespace qur
