// One UTF-8 sequence read through a ByteCursor: the lead byte announces how
// many bytes follow (up to five), those are read whatever they hold, and only
// then is the whole sequence judged. Faults are thrown in that order: the end
// of the input inside the sequence (unexpected_eof_utf8), then a malformed
// sequence (invalid_utf8_sequence, which a value above U+10FFFF is too), then
// an encoded surrogate (invalid_utf8_value).
#pragma once

#include "ByteCursor.h"
#include "UnitWriter.h"

namespace glyphwerk_internal {

// Decodes the sequence under the cursor and appends its one or two units.
void DecodeUtf8Sequence(ByteCursor& cursor, UnitWriter& out);

}  // namespace glyphwerk_internal
