// The parse status that an error ID of the parser component stands for.
#pragma once

#include <cstdint>

#include "arborix/XMLParseStatus.h"

namespace arborix_internal {

// XMLParseFailed for every ID without a status of its own.
XMLParseStatus StatusForParserError(std::int32_t id);

}  // namespace arborix_internal
