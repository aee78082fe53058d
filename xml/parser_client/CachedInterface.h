// A table of procedures looked up by name through the broker, kept until the
// broker's unregister count says that something may have gone.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "KOR.h"

namespace arborix_internal {

std::uint32_t UnregisterCount();  // the broker's, see ClientLayer.h

class CachedInterface {
 public:
  static constexpr std::size_t kMaxEntries = 15;

  constexpr CachedInterface(const char* interfaceName, std::span<const KORMethodName> entries)
      : name_(interfaceName), entries_(entries) {}

  // Looks the entries up from the last to the first. When one is missing the
  // whole table is zeroed and the result is false, or, while the layer throws
  // on missing interfaces, CKORError("Missing Interface") is thrown.
  bool Fill();
  // The table, looked up again first when the unregister count has moved
  // since it was filled; null when that lookup fails.
  const CachedInterface* Current() {
    if (filled_ && filledAt_ == UnregisterCount()) return this;
    return Fill() ? this : nullptr;
  }
  // Forgets the table; the next access looks it up.
  void Forget();

  template <class Proc>
  Proc Get(int index) const {
    return reinterpret_cast<Proc>(procs_[static_cast<std::size_t>(index)]);
  }

 private:
  const char* name_;
  std::span<const KORMethodName> entries_;
  std::array<KORProc, kMaxEntries> procs_{};
  std::uint32_t filledAt_ = 0;
  bool filled_ = false;
};

}  // namespace arborix_internal
