#include "platform/PageMemory.h"

#include <cstdint>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/mman.h>
#endif

namespace platform {

#if defined(_WIN32)

// Windows aligns every reservation to its allocation granularity, 64 KB.
void* ReserveAddressSpace(std::size_t bytes) { return ::VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS); }

bool CommitPages(void* start, std::size_t bytes) {
  return ::VirtualAlloc(start, bytes, MEM_COMMIT, PAGE_READWRITE) != nullptr;
}

void DecommitPages(void* start, std::size_t bytes) { ::VirtualFree(start, bytes, MEM_DECOMMIT); }

// Large pages need a privilege an application does not have by default.
void AdviseLargePages(void*, std::size_t) {}

void* MapMemory(std::size_t bytes) { return ::VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE); }

void UnmapMemory(void* start, std::size_t) { ::VirtualFree(start, 0, MEM_RELEASE); }

#else

namespace {
// The kernel's newer advice: their numbers are fixed, the C library's headers
// may not name them yet, and a kernel that predates one refuses it, which
// costs nothing.
#if defined(MADV_POPULATE_WRITE)
constexpr int kFillPages = MADV_POPULATE_WRITE;
#else
constexpr int kFillPages = 23;
#endif
#if defined(MADV_COLLAPSE)
constexpr int kJoinIntoLargePages = MADV_COLLAPSE;
#else
constexpr int kJoinIntoLargePages = 25;
#endif
}  // namespace

// The range is mapped readable and writable but not accounted: a page takes
// memory when it is first touched and gives it back when it is discarded, and
// the mapping never splits into pieces of different protection.
void* ReserveAddressSpace(std::size_t bytes) {
  const std::size_t mapped = bytes + kLargePageBytes;
  void* start = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (start == MAP_FAILED) return nullptr;
  // The extra large page lets the range start on one; the rest goes back.
  const auto first = reinterpret_cast<std::uintptr_t>(start);
  const std::uintptr_t aligned = (first + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
  if (aligned != first) ::munmap(start, aligned - first);
  if (const std::uintptr_t tail = first + mapped - (aligned + bytes); tail != 0) {
    ::munmap(reinterpret_cast<void*>(aligned + bytes), tail);
  }
  return reinterpret_cast<void*>(aligned);
}

// Only a hint: where the system has no large pages, small ones serve.
void AdviseLargePages(void* start, std::size_t bytes) { ::madvise(start, bytes, MADV_HUGEPAGE); }

// The pages are filled in one call rather than fault by fault as they are
// first written: a committed range is about to be used whole, and a fault
// costs far more than its share of one call. A range of large pages that
// were split into small ones, when part of them was given back, is first
// joined again; on a range with nothing in it the join fails at once and
// filling it takes large pages. A kernel that can do neither leaves the pages
// to fault in one by one.
bool CommitPages(void* start, std::size_t bytes) {
  if (reinterpret_cast<std::uintptr_t>(start) % kLargePageBytes == 0 && bytes % kLargePageBytes == 0) {
    ::madvise(start, bytes, kJoinIntoLargePages);
  }
  ::madvise(start, bytes, kFillPages);
  return true;
}

void DecommitPages(void* start, std::size_t bytes) { ::madvise(start, bytes, MADV_DONTNEED); }

void* MapMemory(std::size_t bytes) {
  void* start = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return start == MAP_FAILED ? nullptr : start;
}

void UnmapMemory(void* start, std::size_t bytes) { ::munmap(start, bytes); }

#endif

}  // namespace platform
