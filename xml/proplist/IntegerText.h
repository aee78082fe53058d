// Decimal integers read from property-list text the way standard stream
// extraction reads them: leading white space skipped, an optional sign, the
// longest run of decimal digits. No digits give 0. A magnitude beyond the
// type saturates at its limit; an unsigned type takes a minus sign by
// wrapping around ("-1" is the largest value).
#pragma once

#include <cstdint>

#include "UTF16String.h"

namespace arborix_internal {

std::uint32_t ExtractUnsigned32(const UTF16String& text);
std::int32_t ExtractSigned32(const UTF16String& text);

}  // namespace arborix_internal
