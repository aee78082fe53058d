// Memory for the nodes of XML trees and property lists, and for their texts.
// A parse makes a tree of many small blocks at once and a delete frees them
// all at once. Blocks up to platform::BlockPool::kLargestBlock bytes come from
// pools of a few fixed sizes, whose slabs go back to the system as soon as
// their last block is freed: a deleted tree gives its memory back, whichever
// documents its nodes were moved between. Larger requests are mapped from
// the system one by one, and unmapped when freed.
#pragma once

#include <cstddef>
#include <memory_resource>

#include "platform/BlockPool.h"

namespace arborix_internal {

// A block of at least `size` bytes, aligned to 16 bytes; throws
// std::bad_alloc. Safe to call from several threads.
void* AllocateNodeMemory(std::size_t size);
// Gives back a block from AllocateNodeMemory with the same `size`.
void FreeNodeMemory(void* block, std::size_t size) noexcept;
// The size AllocateNodeMemory really provides for `size` bytes: a block may be
// filled up to it, and freed with either size.
std::size_t NodeMemoryBlockSize(std::size_t size) noexcept;

// Held while a whole structure is deleted: the memory it frees goes back to
// the system in a few long runs when the deletion ends.
using NodeMemoryRelease = platform::BlockPool::ReleaseBatch;

// The same memory for standard containers: one resource for the whole
// process, never destroyed, so that containers using it compare equal and may
// outlive the library's static objects.
std::pmr::memory_resource* NodeMemoryResource();

}  // namespace arborix_internal
