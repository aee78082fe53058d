// The base of client-layer objects that live in the broker's memory: they are
// allocated through its "Alloc" and freed through its "Free".
#pragma once

#include <cstddef>

namespace arborix_internal {

class CKORClientBase {
 public:
  // Throws BadAllocation when the broker has no memory.
  static void* operator new(std::size_t size);
  static void operator delete(void* block) noexcept;
};

}  // namespace arborix_internal
