#include "platform/BlockPool.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <vector>

#include "platform/PageMemory.h"

#if defined(__SANITIZE_ADDRESS__)
#define BLOCK_POOL_POISONS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BLOCK_POOL_POISONS 1
#endif
#endif
#if defined(BLOCK_POOL_POISONS)
#include <sanitizer/asan_interface.h>
#endif

namespace platform {
namespace {

constexpr std::size_t kSlabBytes = kAddressSpaceGranularity;
constexpr std::size_t kHeaderBytes = 64;
constexpr std::size_t kRegionBytes = 32 * 1024 * 1024;
constexpr std::size_t kSlabsPerRegion = kRegionBytes / kSlabBytes;
// Slabs are committed an extent at a time, so that each extent can be one
// large page; they are given back one by one, or an extent at a time. The
// first extent of the space is the exception: it is committed a slab at a
// time, in small pages, so that a space that stays small stays small.
constexpr std::size_t kSlabsPerExtent = kLargePageBytes / kSlabBytes;
static_assert(kRegionBytes % kLargePageBytes == 0);
// Enough regions for all the address space a process can have.
constexpr std::size_t kMostRegions = sizeof(void*) == 8 ? 8192 : 128;
// Empty slabs kept committed (up to 1.5 MB) for the next pool that needs one:
// a small tree made and deleted over and over does not ask the system each
// time. Giving pages back costs a call that flushes the address translations
// of the process, so slabs go back in batches, adjacent ones in one call.
constexpr std::size_t kKeptEmptySlabs = 24;
// Outside a batch of releases, empty slabs go back when this many wait.
constexpr std::size_t kEmptySlabsBeforeTrim = kKeptEmptySlabs + std::max(kKeptEmptySlabs, kSlabsPerExtent);

void Poison([[maybe_unused]] void* block, [[maybe_unused]] std::size_t size) {
#if defined(BLOCK_POOL_POISONS)
  ASAN_POISON_MEMORY_REGION(block, size);
#endif
}

void Unpoison([[maybe_unused]] void* block, [[maybe_unused]] std::size_t size) {
#if defined(BLOCK_POOL_POISONS)
  ASAN_UNPOISON_MEMORY_REGION(block, size);
#endif
}

// A spin lock: what it guards is a few instructions long.
class SpinGuard {
 public:
  explicit SpinGuard(std::atomic_flag& flag) : flag_(flag) {
    while (flag_.test_and_set(std::memory_order_acquire)) {
    }
  }
  SpinGuard(const SpinGuard&) = delete;
  SpinGuard& operator=(const SpinGuard&) = delete;
  ~SpinGuard() { flag_.clear(std::memory_order_release); }

 private:
  std::atomic_flag& flag_;
};

// A reserved range of slabs, and which pool owns each of its slabs. The
// owners are kept here, outside the slabs, so that asking whether an address
// belongs to a pool never reads a slab that is not committed.
struct Region {
  unsigned char* base = nullptr;
  std::array<std::atomic<const BlockPool*>, kSlabsPerRegion> owners{};
  std::array<bool, kSlabsPerRegion> committed{};
};

// Every slab of the process: regions are reserved as needed and never given
// back (they are address space only); slabs are committed and decommitted.
class SlabSpace {
 public:
  // A committed slab now owned by `pool`; null when out of memory.
  unsigned char* Acquire(const BlockPool* pool) noexcept {
    const SpinGuard guard(busy_);
    if (kept_ == nullptr && !CommitExtent()) return nullptr;
    unsigned char* slab = PopKept();
    OwnerOf(slab) = pool;
    return slab;
  }

  // Takes back an empty slab, kept for reuse; when too many are kept (and no
  // batch of releases is running), the surplus goes back to the system.
  void Release(unsigned char* slab) noexcept {
    const SpinGuard guard(busy_);
    OwnerOf(slab) = nullptr;
    Keep(slab);
    if (batches_.load(std::memory_order_relaxed) == 0 && kept_count_ > kEmptySlabsBeforeTrim) Trim();
  }

  void BeginBatch() noexcept {
    const SpinGuard guard(busy_);
    batches_.fetch_add(1, std::memory_order_relaxed);
  }

  void EndBatch() noexcept {
    const SpinGuard guard(busy_);
    if (batches_.fetch_sub(1, std::memory_order_relaxed) == 1 && kept_count_ > kKeptEmptySlabs) Trim();
  }

  // True while a batch of releases runs on some thread.
  bool Batching() const noexcept { return batches_.load(std::memory_order_relaxed) != 0; }

  const BlockPool* Owner(const void* address) const noexcept {
    const BlockPool* owner = nullptr;
    Locate(address, [&](const Region& region, std::size_t index, std::size_t) {
      owner = region.owners[index].load(std::memory_order_acquire);
    });
    return owner;
  }

 private:
  // The slab after `slab` in the list of kept ones.
  static unsigned char*& Next(unsigned char* slab) noexcept { return *reinterpret_cast<unsigned char**>(slab); }

  // Regions start on a large page, so an extent is one large page of the
  // address space.
  static std::uintptr_t ExtentOf(const unsigned char* slab) noexcept {
    return reinterpret_cast<std::uintptr_t>(slab) / kLargePageBytes;
  }

  void Keep(unsigned char* slab) noexcept {
    Next(slab) = kept_;
    kept_ = slab;
    ++kept_count_;
  }

  unsigned char* PopKept() noexcept {
    unsigned char* slab = kept_;
    kept_ = Next(slab);
    --kept_count_;
    return slab;
  }

  // Keeps kKeptEmptySlabs empty slabs and gives the others back. Slabs that
  // share an extent with slabs in use stay first: the extent stays resident
  // anyway, whole while it is one large page. Then whole extents stay while
  // they fit; an extent that goes goes whole, and adjacent ones in one call.
  void Trim() noexcept {
    std::vector<unsigned char*> empty;
    std::vector<std::size_t> runs;  // where each extent's empty slabs start in `empty`
    try {
      empty.reserve(kept_count_);
      runs.reserve(kept_count_ + 1);
    } catch (const std::bad_alloc&) {
      // Without room to sort them, the surplus goes back slab by slab.
      while (kept_count_ > kKeptEmptySlabs) Decommit(PopKept(), 1);
      return;
    }
    while (kept_ != nullptr) empty.push_back(PopKept());
    std::sort(empty.begin(), empty.end());
    for (std::size_t k = 0; k < empty.size(); ++k) {
      if (k == 0 || ExtentOf(empty[k]) != ExtentOf(empty[k - 1])) runs.push_back(k);
    }
    runs.push_back(empty.size());
    std::vector<bool> stays(empty.size(), false);
    std::size_t room = kKeptEmptySlabs;
    for (const bool besideUsed : {true, false}) {
      for (std::size_t r = 0; r + 1 < runs.size(); ++r) {
        const std::size_t first = runs[r];
        const std::size_t count = runs[r + 1] - first;
        if ((CommittedIn(empty[first]) > count) != besideUsed || (!besideUsed && count > room)) continue;
        for (std::size_t k = first; k < first + count && room != 0; ++k, --room) stays[k] = true;
      }
    }
    // Kept last in address order, so that the lowest is taken first.
    for (std::size_t k = empty.size(); k-- != 0;) {
      if (stays[k]) Keep(empty[k]);
    }
    for (std::size_t first = 0; first < empty.size();) {
      if (stays[first]) {
        ++first;
        continue;
      }
      std::size_t end = first + 1;
      while (end < empty.size() && !stays[end] && empty[end] == empty[end - 1] + kSlabBytes) ++end;
      Decommit(empty[first], end - first);
      first = end;
    }
  }

  // Gives back `count` adjacent slabs from `first` on.
  void Decommit(unsigned char* first, std::size_t count) noexcept {
    DecommitPages(first, count * kSlabBytes);
    for (std::size_t k = 0; k < count; ++k) {
      Locate(first + k * kSlabBytes, [&](Region& region, std::size_t index, std::size_t slot) {
        region.committed[index] = false;
        search_from_ = std::min(search_from_, slot / kSlabsPerExtent);
      });
    }
  }

  // Calls `visit` with the region that holds `address`, the index of the
  // slab there, and its slot number in the whole space; nothing when no
  // region holds it.
  template <class Visit>
  void Locate(const void* address, Visit visit) const noexcept {
    const auto* byte = static_cast<const unsigned char*>(address);
    const std::size_t count = region_count_.load(std::memory_order_acquire);
    for (std::size_t r = 0; r < count; ++r) {
      Region& region = *regions_[r];
      if (byte >= region.base && byte < region.base + kRegionBytes) {
        const auto index = static_cast<std::size_t>(byte - region.base) / kSlabBytes;
        visit(region, index, r * kSlabsPerRegion + index);
        return;
      }
    }
  }

  std::atomic<const BlockPool*>& OwnerOf(const unsigned char* slab) noexcept {
    std::atomic<const BlockPool*>* owner = nullptr;
    Locate(slab, [&](Region& region, std::size_t index, std::size_t) { owner = &region.owners[index]; });
    return *owner;
  }

  // How many slabs of the extent that holds `slab` are committed.
  std::size_t CommittedIn(const unsigned char* slab) const noexcept {
    std::size_t committed = 0;
    Locate(slab, [&](const Region& region, std::size_t index, std::size_t) {
      const std::size_t first = index - index % kSlabsPerExtent;
      committed = static_cast<std::size_t>(
          std::count(region.committed.begin() + first, region.committed.begin() + first + kSlabsPerExtent, true));
    });
    return committed;
  }

  // Commits the first extent from search_from_ on that is not wholly
  // committed (every extent before search_from_ is), and keeps its new slabs;
  // in the first extent, only its first slab that is not. False when out of
  // memory.
  bool CommitExtent() noexcept {
    for (std::size_t extent = search_from_;; ++extent) {
      const std::size_t r = extent * kSlabsPerExtent / kSlabsPerRegion;
      if (r == region_count_.load(std::memory_order_relaxed) && !AddRegion()) return false;
      Region& region = *regions_[r];
      const std::size_t first = extent * kSlabsPerExtent % kSlabsPerRegion;
      const auto slabs = region.committed.begin() + first;
      const auto uncommitted = std::find(slabs, slabs + kSlabsPerExtent, false);
      if (uncommitted == slabs + kSlabsPerExtent) continue;
      if (extent == 0) {
        const auto index = static_cast<std::size_t>(uncommitted - region.committed.begin());
        if (!CommitPages(region.base + index * kSlabBytes, kSlabBytes)) return false;
        region.committed[index] = true;
        Keep(region.base + index * kSlabBytes);
        return true;
      }
      if (!CommitPages(region.base + first * kSlabBytes, kLargePageBytes)) return false;
      // Kept last in address order, so that the lowest is taken first.
      for (std::size_t index = first + kSlabsPerExtent; index-- != first;) {
        if (region.committed[index]) continue;
        region.committed[index] = true;
        Keep(region.base + index * kSlabBytes);
      }
      search_from_ = extent + 1;
      return true;
    }
  }

  bool AddRegion() noexcept {
    const std::size_t count = region_count_.load(std::memory_order_relaxed);
    if (count == kMostRegions) return false;
    auto* region = new (std::nothrow) Region;
    if (region == nullptr) return false;
    region->base = static_cast<unsigned char*>(ReserveAddressSpace(kRegionBytes));
    if (region->base == nullptr) {
      delete region;
      return false;
    }
    const std::size_t small = count == 0 ? kLargePageBytes : 0;  // the space's first extent
    AdviseLargePages(region->base + small, kRegionBytes - small);
    regions_[count] = region;
    region_count_.store(count + 1, std::memory_order_release);
    return true;
  }

  // A spin lock, which unlike a mutex can be made at compile time everywhere:
  // slabs change hands rarely, and quickly but for the calls that give them back.
  std::atomic_flag busy_;
  std::array<Region*, kMostRegions> regions_{};
  std::atomic<std::size_t> region_count_{0};
  // Empty committed slabs, chained through their first word, the one to be
  // taken next first.
  unsigned char* kept_ = nullptr;
  std::size_t kept_count_ = 0;
  std::atomic<std::size_t> batches_{0};
  // Every extent before this one is wholly committed.
  std::size_t search_from_ = 0;
};

// Constant-initialised, so that reaching it costs no check, and never
// destroyed: blocks may be given back while the process ends.
union LastingSpace {
  constexpr LastingSpace() : space() {}
  ~LastingSpace() {}
  SlabSpace space;
};
constinit LastingSpace lastingSpace;

SlabSpace& Space() { return lastingSpace.space; }

}  // namespace

// The head of every slab, followed by its blocks.
struct BlockPool::Slab {
  Slab* previous;
  Slab* next;
  void* freed;  // blocks given back, chained through their first word
  std::uint32_t live;
  // Blocks ever handed out, from the start of the slab; read without the lock by Contains.
  std::atomic<std::uint32_t> carved;
  std::uint32_t capacity;
  bool open;  // listed among the pool's slabs with room
};

BlockPool::Slab* BlockPool::SlabOf(const void* block) noexcept {
  static_assert(sizeof(Slab) <= kHeaderBytes);
  return reinterpret_cast<Slab*>(reinterpret_cast<std::uintptr_t>(block) & ~(kSlabBytes - 1));
}

unsigned char* BlockPool::BlocksOf(Slab* slab) noexcept { return reinterpret_cast<unsigned char*>(slab) + kHeaderBytes; }

void BlockPool::Open(Slab* slab) noexcept {
  slab->open = true;
  slab->previous = nullptr;
  slab->next = open_;
  if (open_ != nullptr) open_->previous = slab;
  open_ = slab;
}

void BlockPool::Close(Slab* slab) noexcept {
  slab->open = false;
  if (slab->previous != nullptr) slab->previous->next = slab->next;
  if (slab->next != nullptr) slab->next->previous = slab->previous;
  if (open_ == slab) open_ = slab->next;
}

void* BlockPool::Take() noexcept {
  const SpinGuard guard(busy_);
  Slab* slab = open_;
  if (slab == nullptr) {
    unsigned char* memory = Space().Acquire(this);
    if (memory == nullptr) return nullptr;
    slab = new (memory) Slab{nullptr, nullptr, nullptr, 0, 0,
                             static_cast<std::uint32_t>((kSlabBytes - kHeaderBytes) / blockSize_), false};
    Open(slab);
  }
  void* block;
  if (slab->freed != nullptr) {
    block = slab->freed;
    Unpoison(block, blockSize_);
    slab->freed = *static_cast<void**>(block);
  } else {
    const std::uint32_t carved = slab->carved.load(std::memory_order_relaxed);
    slab->carved.store(carved + 1, std::memory_order_release);
    block = BlocksOf(slab) + std::size_t{carved} * blockSize_;
    // The slab may have served another pool, which left its blocks poisoned.
    Unpoison(block, blockSize_);
  }
  if (++slab->live == slab->capacity) Close(slab);
  return block;
}

void BlockPool::Give(void* block) noexcept {
  if (block == nullptr) return;
  Slab* slab = SlabOf(block);
  const SpinGuard guard(busy_);
  *static_cast<void**>(block) = slab->freed;
  slab->freed = block;
  if (poisonFreed_) Poison(block, blockSize_);
  --slab->live;
  if (!slab->open) Open(slab);
  // The pool's last slab stays, so that a pool used now and then does not
  // ask for a slab each time; but not while a whole structure is deleted,
  // whose pools are then left with nothing to pin an extent.
  if (slab->live == 0 && (slab->previous != nullptr || slab->next != nullptr || Space().Batching())) {
    if (known_.load(std::memory_order_relaxed) == slab) known_.store(nullptr, std::memory_order_relaxed);
    Close(slab);
    Space().Release(reinterpret_cast<unsigned char*>(slab));
  }
}

bool BlockPool::Contains(const void* address) const noexcept {
  // A slab this pool owns is committed and headed by this pool's header. The
  // slab found last is known to be, until the Give that empties it.
  Slab* slab = SlabOf(address);
  if (slab != known_.load(std::memory_order_relaxed)) {
    if (Space().Owner(address) != this) return false;
    known_.store(slab, std::memory_order_relaxed);
  }
  const auto* byte = static_cast<const unsigned char*>(address);
  if (byte < BlocksOf(slab)) return false;
  const auto offset = static_cast<std::size_t>(byte - BlocksOf(slab));
  // Exact for any offset within a slab: the rounding error of the reciprocal
  // times an offset below 2^16 stays below 2^32 / blockSize_.
  static_assert(kSlabBytes <= (std::size_t{1} << 16) && BlockPool::kLargestBlock <= (std::size_t{1} << 16));
  const auto index = static_cast<std::size_t>((std::uint64_t{offset} * reciprocal_) >> 32);
  return index * blockSize_ == offset && index < slab->carved.load(std::memory_order_acquire);
}

BlockPool::ReleaseBatch::ReleaseBatch() noexcept { Space().BeginBatch(); }

BlockPool::ReleaseBatch::~ReleaseBatch() { Space().EndBatch(); }

}  // namespace platform
