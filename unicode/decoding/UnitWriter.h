// Appends UTF-16 code units to a caller's string through a pointer. The string
// is grown ahead of the writes and trimmed back to the units actually written
// when the writer goes away, also while an exception passes, so the caller
// sees exactly the units appended before a fault.
#pragma once

#include <cstddef>

#include "UTF16String.h"

namespace glyphwerk_internal {

class UnitWriter {
 public:
  explicit UnitWriter(UTF16String& out) noexcept : out_(out), used_(out.size()) {}
  ~UnitWriter() { out_.resize(used_); }
  UnitWriter(const UnitWriter&) = delete;
  UnitWriter& operator=(const UnitWriter&) = delete;

  // Room for at least `count` units behind those written; valid until the next Reserve.
  char16_t* Reserve(std::size_t count);
  // Counts `count` units written into the room of the last Reserve.
  void Commit(std::size_t count) noexcept { used_ += count; }
  void Append(char16_t unit) {
    *Reserve(1) = unit;
    ++used_;
  }

 private:
  UTF16String& out_;
  std::size_t used_;
};

}  // namespace glyphwerk_internal
