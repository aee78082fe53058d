// The length of a null-terminated UTF-16 text that the parser hands over
// without its size, found sixteen bytes at a time where the CPU allows.
#pragma once

#include <cstddef>

namespace arborix_internal {

// The number of units before the first zero unit of `text` (which is aligned
// for char16_t). Whole aligned 16-byte blocks are read; such a block never
// crosses a page, but it may hold units past the terminator.
std::size_t TerminatedLength(const char16_t* text);

}  // namespace arborix_internal
