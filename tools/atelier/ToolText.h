// Text conversions at the tool's edges: arguments and standard input arrive
// as UTF-8, and everything is printed as UTF-8. Bad input never fails: a
// malformed UTF-8 sequence or an unpaired surrogate becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

#include "UTF16String.h"
#include "platform/UnicodeTranscoding.h"

namespace atelier {

inline std::string ToUTF8(std::u16string_view text) { return platform::ToUTF8(text); }

inline UTF16String FromUTF8(std::string_view text) { return platform::ToUTF16(text); }

}  // namespace atelier
