// The run of elements a conversion between an image and a matte visits.
#pragma once

#include <algorithm>
#include <cstddef>

namespace pixmorautils_internal {

// The elements from `sourceBegin` to `sourceEnd`, cut to what `destination`
// holds, so that a destination smaller than its source is never written
// past its end. The iterators walk the grids' contiguous blocks.
template <class SourceIterator, class Destination>
std::size_t ElementRunLength(const SourceIterator& sourceBegin, const SourceIterator& sourceEnd,
                             const Destination& destination) {
  const auto sourceLength = static_cast<std::size_t>(sourceEnd.Address() - sourceBegin.Address());
  return std::min(sourceLength, destination.ElementCount());
}

}  // namespace pixmorautils_internal
