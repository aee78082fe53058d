// Memory blocks handed out by the broker; each remembers its size.
#pragma once

#include <cstddef>

namespace kor {

void* AllocBlock(std::size_t size);               // null when out of memory
void* ReallocBlock(void* block, std::size_t size);  // null leaves `block` alive
void FreeBlock(void* block);
std::size_t BlockSize(const void* block);          // 0 for null

void RegisterMemoryInterface();

}  // namespace kor
