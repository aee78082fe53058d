#include "Memory.h"

#include <cstdlib>

#include "KOR.h"
#include "ProcedureRegistry.h"

namespace kor {
namespace {

// The size sits in front of the block, padded so the block keeps the
// strictest fundamental alignment.
constexpr std::size_t kHeader = alignof(std::max_align_t);

std::size_t* HeaderOf(void* block) {
  return reinterpret_cast<std::size_t*>(static_cast<unsigned char*>(block) - kHeader);
}

}  // namespace

void* AllocBlock(std::size_t size) {
  if (size > static_cast<std::size_t>(-1) - kHeader) return nullptr;
  auto* raw = static_cast<unsigned char*>(std::malloc(kHeader + size));
  if (raw == nullptr) return nullptr;
  *reinterpret_cast<std::size_t*>(raw) = size;
  return raw + kHeader;
}

void* ReallocBlock(void* block, std::size_t size) {
  if (block == nullptr) return AllocBlock(size);
  if (size > static_cast<std::size_t>(-1) - kHeader) return nullptr;
  auto* raw = static_cast<unsigned char*>(std::realloc(HeaderOf(block), kHeader + size));
  if (raw == nullptr) return nullptr;
  *reinterpret_cast<std::size_t*>(raw) = size;
  return raw + kHeader;
}

void FreeBlock(void* block) {
  if (block != nullptr) std::free(HeaderOf(block));
}

std::size_t BlockSize(const void* block) {
  return block == nullptr ? 0 : *HeaderOf(const_cast<void*>(block));
}

void RegisterMemoryInterface() {
  const KORProc procs[] = {
      reinterpret_cast<KORProc>(static_cast<KORMemAllocProc>(&AllocBlock)),
      reinterpret_cast<KORProc>(static_cast<KORMemReallocProc>(&ReallocBlock)),
      reinterpret_cast<KORProc>(static_cast<KORMemFreeProc>(&FreeBlock)),
      reinterpret_cast<KORProc>(static_cast<KORMemGetBlockSizeProc>(&BlockSize)),
  };
  RegisterProcedures(kKORMemoryInterface, kKORMemoryMethods, procs);
}

}  // namespace kor
