// The escaping behind EncodeReservedCharacters, for callers inside the
// library that hold constant or temporary text (the property-list writer).
#pragma once

#include <string>
#include <string_view>

namespace arborix_internal {

// Appends `input` to `output` with the five reserved characters replaced by
// their entity references. `input` must not view the contents of `output`.
void AppendEscaped(std::string_view input, std::string& output);

}  // namespace arborix_internal
