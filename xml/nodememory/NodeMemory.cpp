#include "nodememory/NodeMemory.h"

#include <array>
#include <bit>
#include <new>

#include "platform/BlockPool.h"
#include "platform/PageMemory.h"

namespace arborix_internal {
namespace {

using platform::BlockPool;

constexpr std::size_t kGrain = 16;
constexpr std::size_t kLargestFine = 256;
// Up to kLargestFine, one size per grain; above it, four sizes per doubling,
// so that no block is more than a quarter larger than asked.
constexpr std::size_t kFineClasses = kLargestFine / kGrain;
constexpr std::size_t kStepsPerDoubling = 4;
constexpr std::size_t kCoarseClasses =
    kStepsPerDoubling * (std::bit_width(BlockPool::kLargestBlock) - std::bit_width(kLargestFine));
constexpr std::size_t kClasses = kFineClasses + kCoarseClasses;

static_assert(kGrain >= alignof(std::max_align_t) || alignof(std::max_align_t) % kGrain == 0);

// The class of a size from 1 to BlockPool::kLargestBlock.
constexpr std::size_t ClassOf(std::size_t size) {
  if (size <= kLargestFine) return (size + kGrain - 1) / kGrain - 1;
  const std::size_t doubling = std::bit_width(size - 1) - 1;  // 2^doubling < size <= 2^(doubling+1)
  const std::size_t step = (std::size_t{1} << doubling) / kStepsPerDoubling;
  const std::size_t rung = (size - 1 - (std::size_t{1} << doubling)) / step;
  return kFineClasses + (doubling - (std::bit_width(kLargestFine) - 1)) * kStepsPerDoubling + rung;
}

constexpr std::size_t SizeOfClass(std::size_t sizeClass) {
  if (sizeClass < kFineClasses) return (sizeClass + 1) * kGrain;
  const std::size_t coarse = sizeClass - kFineClasses;
  const std::size_t base = kLargestFine << (coarse / kStepsPerDoubling);
  return base + (coarse % kStepsPerDoubling + 1) * (base / kStepsPerDoubling);
}

static_assert(ClassOf(1) == 0 && ClassOf(16) == 0 && ClassOf(17) == 1 && ClassOf(256) == kFineClasses - 1);
static_assert(ClassOf(257) == kFineClasses && SizeOfClass(kFineClasses) == 320);
static_assert(SizeOfClass(kClasses - 1) == BlockPool::kLargestBlock);
static_assert(ClassOf(BlockPool::kLargestBlock) == kClasses - 1);

template <std::size_t... Class>
constexpr std::array<BlockPool, kClasses> MakePools(std::index_sequence<Class...>) {
  return {BlockPool(SizeOfClass(Class))...};
}

// Constant-initialised, so that no node waits for them, and trivially
// destroyed: nodes may outlive the library's static objects.
constinit std::array<BlockPool, kClasses> pools = MakePools(std::make_index_sequence<kClasses>());

bool Pooled(std::size_t size) { return size != 0 && size <= BlockPool::kLargestBlock; }

// Blocks aligned beyond what node memory guarantees come from the heap.
class NodeResource final : public std::pmr::memory_resource {
  void* do_allocate(std::size_t bytes, std::size_t alignment) override {
    if (alignment > kGrain) return ::operator new(bytes, std::align_val_t(alignment));
    return AllocateNodeMemory(bytes);
  }
  void do_deallocate(void* block, std::size_t bytes, std::size_t alignment) override {
    if (alignment > kGrain) {
      ::operator delete(block, std::align_val_t(alignment));
    } else {
      FreeNodeMemory(block, bytes);
    }
  }
  bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }
};

}  // namespace

std::pmr::memory_resource* NodeMemoryResource() {
  static auto& resource = *new NodeResource;
  return &resource;
}

void* AllocateNodeMemory(std::size_t size) {
  if (!Pooled(size)) {
    // Large blocks (long texts) are mapped on their own, so that they too
    // leave the process when freed.
    void* block = size == 0 ? ::operator new(size) : platform::MapMemory(size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
  }
  void* block = pools[ClassOf(size)].Take();
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void FreeNodeMemory(void* block, std::size_t size) noexcept {
  if (block == nullptr) return;
  if (!Pooled(size)) {
    if (size == 0) {
      ::operator delete(block);
    } else {
      platform::UnmapMemory(block, size);
    }
    return;
  }
  pools[ClassOf(size)].Give(block);
}

std::size_t NodeMemoryBlockSize(std::size_t size) noexcept { return Pooled(size) ? SizeOfClass(ClassOf(size)) : size; }

}  // namespace arborix_internal
