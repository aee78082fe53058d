// Chooses the encoding Expat is told to use from the first bytes of a
// document. A document that starts with '<' in UTF-16 without a byte-order
// mark is read as UTF-16 whatever its declaration says: the declaration of a
// text that was handed over as UTF-16 cannot be trusted to name it.
#pragma once

#include <string_view>

namespace qur {

// "UTF-16LE" for 3C 00, "UTF-16BE" for 00 3C, otherwise null (Expat then
// detects the encoding itself: byte-order marks, UTF-8, the declaration).
const char* EncodingFromFirstBytes(std::string_view head);

}  // namespace qur
