// The decoders' one-byte look-ahead over a stream. The byte under the cursor
// has already been read, so the stream stands one byte ahead of what has been
// decoded. The cursor stops at the length the stream reported when it was
// made (without reading the byte at that length), or, for a stream that
// reports 0, when reading throws.
//
// A stream that reports 0 cannot tell its end from a failure, so any
// exception of its reads exhausts the cursor: that is its end. A stream that
// reported a length has not ended while the position is below it, so an
// exception of a read there is a failure and passes on. Failures to tell the
// position or the length exhaust the cursor either way.
#pragma once

#include <cstdint>

#include "Dossik.h"

namespace glyphwerk_internal {

class ByteCursor {
 public:
  // Takes the position, reads the first byte, then takes the length.
  explicit ByteCursor(IByteStream& stream);

  bool Exhausted() const noexcept { return stream_ == nullptr; }
  // The byte under the cursor; meaningful only while not exhausted.
  unsigned char Current() const noexcept { return current_; }
  // Moves to the next byte. Advancing an exhausted cursor does nothing.
  void Advance();

 private:
  IByteStream* stream_;          // null once exhausted
  unsigned char current_ = 0;
  std::uint32_t length_ = 0;     // 0: the stream cannot tell
  std::uint32_t position_ = 0;   // of the byte under the cursor; kept only while length_ is not 0
};

// True when a read at `position` that just threw came before the end of the
// data that `stream` reports: a failure, not the end. False when the stream
// reports length 0, or cannot say. Call it only while handling the exception.
bool FailedBeforeReportedEnd(const IByteStream& stream, std::uint32_t position) noexcept;

}  // namespace glyphwerk_internal
