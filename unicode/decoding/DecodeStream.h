// Runs one of the decoders over a stream, from its current position to its end.
//
// `step(cursor, writer)` decodes one unit of the encoding (a UTF-8 sequence, a
// UTF-16 code unit) through a ByteCursor: that is the decoders' definition,
// with its exact order of calls on the stream, and any stream is read that way.
// `bulk(bytes, writer)` decodes as many whole, unremarkable units as it can
// from bytes already in memory and returns how many bytes it used; anything
// else it leaves to `step`.
//
// A stream that offers its bytes in memory (InPlaceWindow) is scanned in
// place with `bulk`: Dossik's own memory-backed streams do. At the
// end of a window, or at a unit `bulk` leaves alone, one `step` runs through a
// fresh cursor (which refills the buffer as ReadByte does) and the cursor's
// look-ahead byte, still in memory, is handed back. Units, faults and the
// stream's final position are those of stepping through every byte, and the
// stream's source sees the same reads.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>

#include "ByteCursor.h"
#include "Dossik.h"
#include "UTF16String.h"
#include "UnitWriter.h"

namespace glyphwerk_internal {

template <class Bulk, class Step>
void DecodeStream(IByteStream& in, UTF16String& out, Bulk bulk, Step step) {
  UnitWriter writer(out);
  IByteWindow* window = in.InPlaceWindow();
  std::uint32_t position = 0;
  std::uint32_t length = 0;
  if (window != nullptr) {
    try {
      position = in.GetPosition();
      length = in.GetLength();
    } catch (...) {
      window = nullptr;  // stepping meets the same failure and ends quietly, as it must
    }
  }
  // A cursor made at or past the reported length still reads and decodes one
  // byte; only stepping reproduces that.
  if (window == nullptr || (length != 0 && position >= length)) {
    for (ByteCursor cursor(in); !cursor.Exhausted();) step(cursor, writer);
    return;
  }
  for (;;) {
    std::span<const unsigned char> bytes = window->Window();
    if (length != 0) bytes = bytes.first(std::min<std::size_t>(bytes.size(), length - position));
    const std::uint32_t used = bulk(bytes, writer);
    window->Skip(used);
    position += used;
    if (length != 0 && position >= length) return;
    ByteCursor cursor(in);
    if (cursor.Exhausted()) return;
    step(cursor, writer);
    if (cursor.Exhausted()) return;
    position = in.GetPosition() - 1;
    in.SetPosition(position);
  }
}

}  // namespace glyphwerk_internal
