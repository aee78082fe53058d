// UTF-16 code units from pairs of bytes in either byte order. An odd last
// byte still makes a unit, its missing byte taken as 0.
#pragma once

#include <cstdint>
#include <span>

#include "ByteCursor.h"
#include "UnitWriter.h"
#include "platform/utf/Utf16Units.h"

namespace glyphwerk_internal {

using platform::utf::ByteOrder;

// Reads one unit (two bytes, or the odd last one) through the cursor.
template <ByteOrder order>
void DecodeUtf16Unit(ByteCursor& cursor, UnitWriter& out);

// Appends the units of the complete byte pairs in memory; returns the bytes used.
template <ByteOrder order>
std::uint32_t DecodeUtf16Pairs(std::span<const unsigned char> bytes, UnitWriter& out);

}  // namespace glyphwerk_internal
