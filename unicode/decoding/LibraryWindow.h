// Finds the in-memory window of a stream that is exactly one of Dossik's own
// memory-backed streams. A class derived from one of them may watch its reads,
// so it is read byte by byte like any other stream.
#pragma once

#include "Dossik.h"

namespace glyphwerk_internal {

// Null for every other stream.
IByteWindow* LibraryWindow(IByteStream& in) noexcept;

}  // namespace glyphwerk_internal
