// Memory for the nodes of XML trees and property lists. A parse makes a tree
// of many small nodes at once and a delete frees them all at once; the
// general heap answers that pattern by coalescing and trimming, and the next
// tree then pays for it again. Node blocks come instead from free lists of a
// few fixed sizes, fed by large slabs that stay with the process, so a freed
// tree's blocks go straight to the next one. Larger requests go to the
// general heap.
#pragma once

#include <cstddef>
#include <memory_resource>

namespace arborix_internal {

// A block of at least `size` bytes, aligned for any node; throws
// std::bad_alloc. Safe to call from several threads.
void* AllocateNodeMemory(std::size_t size);
// Gives back a block from AllocateNodeMemory with the same `size`.
void FreeNodeMemory(void* block, std::size_t size) noexcept;

// The same memory for standard containers: one resource for the whole
// process, never destroyed, so that containers using it compare equal and may
// outlive the library's static objects.
std::pmr::memory_resource* NodeMemoryResource();

}  // namespace arborix_internal
