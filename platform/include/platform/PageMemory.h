// Memory taken from the system by the page and given straight back to it.
// Address space is reserved in large ranges; pages inside are committed while
// they hold something and decommitted when they are freed, which lowers the
// process's resident memory at once, whatever else the heap holds.
#pragma once

#include <cstddef>

namespace platform {

// The finest alignment ReserveAddressSpace gives on every platform: 64 KB.
inline constexpr std::size_t kAddressSpaceGranularity = 64 * 1024;

// Where reserved memory can be backed by large pages (Linux, 2 MB), the size
// of one; elsewhere kAddressSpaceGranularity. Committing such a page whole
// costs about what committing 64 KB of small pages does, and its first
// writes cost nothing more, where every small page is a fault of its own.
#if defined(_WIN32)
inline constexpr std::size_t kLargePageBytes = kAddressSpaceGranularity;
#else
inline constexpr std::size_t kLargePageBytes = 2 * 1024 * 1024;
#endif

// Reserves `bytes` (a multiple of kLargePageBytes) of address space aligned
// to kLargePageBytes, none of it committed. Null when the address space is
// exhausted. A reservation is never given back.
void* ReserveAddressSpace(std::size_t bytes);
// Asks that the reserved range (whole large pages) be backed by large pages
// where it is committed a large page at a time; nothing where the system has
// none. Even one block in use then keeps a whole large page resident.
void AdviseLargePages(void* start, std::size_t bytes);
// Makes reserved pages usable; their content reads as zero until written.
// A range of whole large pages, some of them committed before, is joined
// back into large pages. False when the system has no memory for them.
bool CommitPages(void* start, std::size_t bytes);
// Gives the memory of committed pages back to the system; the range stays
// reserved, to be committed again.
void DecommitPages(void* start, std::size_t bytes);

// Maps `bytes` of committed memory, zero-filled, aligned to the page; null
// when there is none. For single large blocks that must leave the process
// the moment they are freed, whatever the C library's heap would keep.
void* MapMemory(std::size_t bytes);
// Unmaps memory from MapMemory, given the same size.
void UnmapMemory(void* start, std::size_t bytes);

}  // namespace platform
