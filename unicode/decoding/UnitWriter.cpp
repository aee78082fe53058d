#include "UnitWriter.h"

#include <algorithm>

namespace glyphwerk_internal {

char16_t* UnitWriter::Reserve(std::size_t count) {
  if (out_.size() - used_ < count) {
    // Grow by half again at least, so that many small reservations cost
    // amortised constant time per unit.
    out_.resize(std::max(used_ + count, out_.size() + out_.size() / 2 + 16));
  }
  return out_.data() + used_;
}

}  // namespace glyphwerk_internal
