// Text conversions at the tool's edges: arguments and standard input arrive
// as UTF-8, and everything is printed as UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "UTF16String.h"

namespace atelier {

// UTF-16 to UTF-8. A surrogate without its partner is written as U+FFFD.
std::string ToUTF8(std::u16string_view text);

// UTF-8 to UTF-16. A malformed sequence is read as U+FFFD and decoding goes on.
UTF16String FromUTF8(std::string_view text);

}  // namespace atelier
