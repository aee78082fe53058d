// Chooses the encoding Expat is told to use from the first bytes of a
// document that is not converted before Expat reads it. A document that
// starts with '<' in UTF-16BE without a byte-order mark is read as UTF-16BE
// whatever its declaration says, as the converter reads UTF-16LE.
#pragma once

#include <string_view>

namespace qur {

// "UTF-16BE" for 00 3C, otherwise null (Expat then
// detects the encoding itself: byte-order marks, UTF-8, the declaration).
const char* EncodingFromFirstBytes(std::string_view head);

}  // namespace qur
