// The decoders' one-byte look-ahead over a stream. The byte under the cursor
// has already been read, so the stream stands one byte ahead of what has been
// decoded. The cursor stops at the length the stream reported when it was
// made (without reading the byte at that length), or, for a stream that
// reports 0, when reading throws. Any exception from the stream exhausts the
// cursor instead of passing on: a failing stream and an ending one look alike.
#pragma once

#include <cstdint>

#include "Dossik.h"

namespace glyphwerk_internal {

class ByteCursor {
 public:
  // Takes the position, reads the first byte, then takes the length.
  explicit ByteCursor(IByteStream& stream) noexcept;

  bool Exhausted() const noexcept { return stream_ == nullptr; }
  // The byte under the cursor; meaningful only while not exhausted.
  unsigned char Current() const noexcept { return current_; }
  // Moves to the next byte. Advancing an exhausted cursor does nothing.
  void Advance() noexcept;

 private:
  IByteStream* stream_;          // null once exhausted
  unsigned char current_ = 0;
  std::uint32_t length_ = 0;     // 0: the stream cannot tell
  std::uint32_t position_ = 0;   // of the byte under the cursor; kept only while length_ is not 0
};

}  // namespace glyphwerk_internal
