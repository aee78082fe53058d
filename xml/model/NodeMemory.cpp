#include "NodeMemory.h"

#include <array>
#include <atomic>
#include <new>
#include <vector>

namespace arborix_internal {
namespace {

constexpr std::size_t kGrain = alignof(std::max_align_t);
constexpr std::size_t kLargestPooled = 256;
constexpr std::size_t kSlabBytes = 64 * 1024;

// One size of block. Slabs are never given back: their blocks circulate
// through the free stack for the life of the process. The stack is an array
// of addresses rather than a chain through the blocks, so taking a block
// reads no freed, long cold block: a freed tree's blocks are mostly out of
// the cache by the time the next tree asks for them.
class SizePool {
 public:
  void* Take(std::size_t blockSize) {
    Guard guard(busy_);
    if (free_.empty()) Grow(blockSize);
    void* block = free_.back();
    free_.pop_back();
    return block;
  }

  void Give(void* block) noexcept {
    Guard guard(busy_);
    // Never reallocates: the capacity covers every block of every slab.
    free_.push_back(block);
  }

 private:
  // A spin lock: the section it guards is a few instructions long, and only
  // a thread that makes trees beside another one ever waits on it.
  class Guard {
   public:
    explicit Guard(std::atomic_flag& flag) : flag_(flag) {
      while (flag_.test_and_set(std::memory_order_acquire)) {
      }
    }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
    ~Guard() { flag_.clear(std::memory_order_release); }

   private:
    std::atomic_flag& flag_;
  };

  void Grow(std::size_t blockSize) {
    const std::size_t count = kSlabBytes / blockSize;
    free_.reserve(blocks_ + count);
    auto* slab = static_cast<unsigned char*>(::operator new(kSlabBytes));
    for (std::size_t index = count; index-- > 0;) free_.push_back(slab + index * blockSize);
    blocks_ += count;
  }

  std::atomic_flag busy_;
  std::vector<void*> free_;
  std::size_t blocks_ = 0;
};

constexpr std::size_t ClassOf(std::size_t size) { return (size + kGrain - 1) / kGrain; }

std::array<SizePool, ClassOf(kLargestPooled) + 1>& Pools() {
  // Never destroyed: nodes may outlive the library's static objects.
  static auto& pools = *new std::array<SizePool, ClassOf(kLargestPooled) + 1>();
  return pools;
}

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
  if (size == 0 || size > kLargestPooled) return ::operator new(size);
  const std::size_t sizeClass = ClassOf(size);
  return Pools()[sizeClass].Take(sizeClass * kGrain);
}

void FreeNodeMemory(void* block, std::size_t size) noexcept {
  if (block == nullptr) return;
  if (size == 0 || size > kLargestPooled) {
    ::operator delete(block);
    return;
  }
  Pools()[ClassOf(size)].Give(block);
}

}  // namespace arborix_internal
