// The conversion behind UTF16to8, for callers inside the library whose text
// is not a UTF16String (the property-list nodes keep theirs in node memory).
#pragma once

#include <string>
#include <string_view>

namespace arborix_internal {

// `utf16` as UTF-8, exactly as UTF16to8 converts it.
std::string UTF16ViewTo8(std::u16string_view utf16);

}  // namespace arborix_internal
