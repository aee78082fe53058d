#include "ParseResources.h"

#include <atomic>
#include <new>

namespace qur {
namespace {

constinit WaitingMemory blockMemory{ReadBlock::kSize};

}  // namespace

void* WaitingMemory::Take() noexcept {
  if (void* memory = waiting_.exchange(nullptr)) return memory;
  return ::operator new(size_, std::nothrow);
}

void WaitingMemory::GiveBack(void* memory) noexcept {
  if (memory != nullptr) ::operator delete(waiting_.exchange(memory));
}

ReadBlock::ReadBlock() : bytes_(static_cast<unsigned char*>(blockMemory.Take())) {
  if (bytes_ == nullptr) throw std::bad_alloc();
}

ReadBlock::~ReadBlock() { blockMemory.GiveBack(bytes_); }

}  // namespace qur
