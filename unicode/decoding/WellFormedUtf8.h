// Fast decoding of UTF-8 held in memory. It takes only complete, well-formed
// sequences (shortest form, no surrogates, at most U+10FFFF) and stops before
// the first byte that does not begin one, or whose sequence is cut off by the
// end of the bytes. Everything it decodes, it decodes exactly as
// DecodeUtf8Sequence would; everything else is left to that function.
#pragma once

#include <cstdint>
#include <span>

#include "UnitWriter.h"

namespace glyphwerk_internal {

// Appends the units of the leading well-formed sequences; returns the bytes used.
std::uint32_t DecodeWellFormedUtf8(std::span<const unsigned char> bytes, UnitWriter& out);

}  // namespace glyphwerk_internal
