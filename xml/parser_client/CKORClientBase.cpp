#include "CKORClientBase.h"

#include "BrokerCalls.h"
#include "ErrorConversion.h"

namespace arborix_internal {

void* CKORClientBase::operator new(std::size_t size) {
  void* block = AllocateBlock(size);
  if (block == nullptr) throw BadAllocation();
  return block;
}

void CKORClientBase::operator delete(void* block) noexcept {
  try {
    FreeBlock(block);
  } catch (...) {
    // The broker's memory interface is gone, and with it the block's owner.
  }
}

}  // namespace arborix_internal
