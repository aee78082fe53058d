// One UTF-8 sequence read through a ByteCursor: the lead byte announces how
// many bytes follow (up to five), those are read whatever they hold, and only
// then is the whole sequence judged. Faults are thrown in that order: the end
// of the input inside the sequence, then a malformed sequence, then a value
// that UTF-16 cannot carry.
#pragma once

#include <cstdint>

#include "ByteCursor.h"
#include "UnitWriter.h"

namespace glyphwerk_internal {

// Decodes the sequence under the cursor and appends its one or two units.
void DecodeUtf8Sequence(ByteCursor& cursor, UnitWriter& out);

// Appends a decoded value as UTF-16. Throws invalid_utf8_value for a
// surrogate and invalid_utf16_value above U+10FFFF.
void AppendScalarValue(std::uint32_t value, UnitWriter& out);

}  // namespace glyphwerk_internal
