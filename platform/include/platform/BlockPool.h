// Blocks of one size, for structures that are made and freed by the thousand:
// the nodes and texts of document trees, the broker's containers, the parser
// component's objects. Blocks are carved from slabs of 64 KB. A slab goes
// back to the system as soon as its last block is given back (a few empty
// slabs wait, process-wide, for the next pool that needs one), so freeing a
// large structure lowers the process's memory at once instead of leaving it
// to the heap. A pool keeps its last slab while it has no other.
//
// Any thread may take and give back blocks; each pool has a lock of its own.
// Pools are never destroyed: blocks may be given back while the process ends.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <new>

namespace platform {

class BlockPool {
 public:
  // The largest block size a pool takes.
  static constexpr std::size_t kLargestBlock = 8192;

  // Under AddressSanitizer a block given back is poisoned until it is taken
  // again, so that a use after free is reported; a pool whose owner reads
  // blocks it gave back (to tell dead objects from live ones) opts out.
  enum class FreedBlocks { Poisoned, Readable };

  // `blockSize` is at least the size of a pointer and at most kLargestBlock.
  // Blocks are aligned to 64 bytes within their slab: a block is aligned to
  // the largest power of two, up to 64, that divides `blockSize`.
  explicit constexpr BlockPool(std::size_t blockSize, FreedBlocks freed = FreedBlocks::Poisoned) noexcept
      : blockSize_(blockSize),
        reciprocal_(static_cast<std::uint32_t>((std::uint64_t{1} << 32) / blockSize + 1)),
        poisonFreed_(freed == FreedBlocks::Poisoned) {}
  BlockPool(const BlockPool&) = delete;
  BlockPool& operator=(const BlockPool&) = delete;

  std::size_t BlockSize() const noexcept { return blockSize_; }
  // A block of BlockSize() bytes; null when the system has no memory left.
  void* Take() noexcept;
  // Takes back a block from this pool's Take (null is ignored).
  void Give(void* block) noexcept;
  // While one of these lives, on any thread, empty slabs wait instead of
  // going back to the system one batch at a time; when the last one ends,
  // all but a few go back together. A structure of many blocks deletes
  // itself inside one, so that its slabs go back in a few long runs.
  class ReleaseBatch {
   public:
    ReleaseBatch() noexcept;
    ReleaseBatch(const ReleaseBatch&) = delete;
    ReleaseBatch& operator=(const ReleaseBatch&) = delete;
    ~ReleaseBatch();
  };

  // True when `address` is where a block of this pool starts, taken or not.
  // Nothing is read at an address outside the pool's slabs, so any pointer
  // may be asked about. It takes no lock: it may run beside Take and Give on
  // other threads, but not beside the Give that empties the slab `address`
  // lies in (a pool whose owner runs on one thread at a time never meets that).
  bool Contains(const void* address) const noexcept;

 private:
  struct Slab;
  static Slab* SlabOf(const void* block) noexcept;
  static unsigned char* BlocksOf(Slab* slab) noexcept;
  void Open(Slab* slab) noexcept;
  void Close(Slab* slab) noexcept;

  std::size_t blockSize_;
  // 2^32 / blockSize_, rounded up: an offset within a slab times this,
  // shifted down by 32, is the offset divided by blockSize_.
  std::uint32_t reciprocal_;
  bool poisonFreed_;
  Slab* open_ = nullptr;  // slabs with room, the one taken from first
  mutable std::atomic<Slab*> known_{nullptr};  // the slab Contains found last
  std::atomic_flag busy_;
};

// A base that makes `Object` live in blocks of a pool of its own size:
// `new Object` takes a block (std::bad_alloc when none can be had) and
// `delete` gives it back.
template <class Object>
class PoolAllocated {
 public:
  static void* operator new(std::size_t size) {
    void* block = size == sizeof(Object) ? Pool().Take() : nullptr;
    if (block == nullptr) throw std::bad_alloc();
    return block;
  }
  static void operator delete(void* block) noexcept { Pool().Give(block); }

 private:
  static BlockPool& Pool() noexcept {
    static constinit BlockPool pool{sizeof(Object)};
    return pool;
  }
};

}  // namespace platform
