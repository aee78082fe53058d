// Typed calls into the broker's cached interfaces. Each throws what Use()
// throws when its interface is unavailable.
#pragma once

#include <cstddef>
#include <cstdint>

#include "KOR.h"

namespace arborix_internal {

std::int32_t AddRefContainer(KORContainer container);
std::int32_t ReleaseContainer(KORContainer container);
void* NGetInstance(KORContainer container, KORStringAtom signature);
// The procedure of the container's primary instance registered under the two names.
KORProc GetMethod(KORContainer container, KORStringAtom method, KORStringAtom procedure);

KORErrorHandle NewError(const char* message, const char* component, std::intptr_t id);
KORErrorHandle CoreError(std::int32_t which);
void AddRefError(KORErrorHandle error);
void ReleaseError(KORErrorHandle error);
const char* ErrorMessage(KORErrorHandle error);
const char* ErrorComponent(KORErrorHandle error);
std::intptr_t ErrorID(KORErrorHandle error);

const char* AtomText(KORStringAtom atom);
// Drops one reference; quietly nothing when the broker is gone.
void DeleteStringAtom(KORStringAtom atom) noexcept;

void* AllocateBlock(std::size_t size);  // null when out of memory
void FreeBlock(void* block);

// What sits at the primary-instance offset of a container handle.
const KORInstanceSlot& PrimarySlot(KORContainer container);

// One reference to a string atom; throws BadAllocation when the broker cannot make it.
class StringAtom {
 public:
  explicit StringAtom(const char* text);
  StringAtom(const StringAtom&) = delete;
  StringAtom& operator=(const StringAtom&) = delete;
  ~StringAtom();
  KORStringAtom get() const { return atom_; }
  // Hands the reference over to the caller.
  KORStringAtom release();

 private:
  KORStringAtom atom_;
};

}  // namespace arborix_internal
