#include "CachedInterface.h"

#include "ClientLayer.h"
#include "ErrorConversion.h"

namespace arborix_internal {

bool CachedInterface::Fill() {
  filled_ = false;
  const KORLookupFunction lookup = LookupFunction();
  for (std::size_t i = entries_.size(); i-- > 0;) {
    procs_[i] = lookup == nullptr ? nullptr : lookup(name_, entries_[i].method, entries_[i].procedure);
    if (procs_[i] == nullptr) {
      procs_.fill(nullptr);
      if (ThrowsOnMissingInterface()) ThrowMissingInterface();
      return false;
    }
  }
  filledAt_ = UnregisterCount();
  filled_ = true;
  return true;
}

void CachedInterface::Forget() {
  procs_.fill(nullptr);
  filled_ = false;
}

}  // namespace arborix_internal
