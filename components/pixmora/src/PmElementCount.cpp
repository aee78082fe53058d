#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "Pixmora.h"

namespace {

std::string Describe(const PmPoint& size) {
  return std::to_string(size.x) + " x " + std::to_string(size.y);
}

}  // namespace

std::size_t PmElementCount(const PmPoint& size) {
  if (size.x < 0 || size.y < 0) {
    throw std::invalid_argument("grid size " + Describe(size) + " has a negative side");
  }
  // Both sides are below 2^31, so the product fits in 64 bits; the limit is
  // what a vector of the widest element (4 bytes) can address.
  const auto count = static_cast<std::uint64_t>(size.x) * static_cast<std::uint64_t>(size.y);
  if (count > std::numeric_limits<std::size_t>::max() / sizeof(PmImagePixel)) {
    throw std::length_error("grid size " + Describe(size) + " has more elements than memory can hold");
  }
  return static_cast<std::size_t>(count);
}
