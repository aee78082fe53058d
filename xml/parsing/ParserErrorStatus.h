// The parse status that an error ID of the parser component stands for, and
// the component whose errors carry such IDs.
#pragma once

#include <cstdint>

#include "arborix/XMLParseStatus.h"

namespace arborix_internal {

// The component that reports faults of the document itself; errors of other
// components are failures of the parse, not of the document.
inline constexpr const char* kDocumentComponent = "QURParser";

// XMLParseFailed for every ID without a status of its own.
XMLParseStatus StatusForParserError(std::int32_t id);

}  // namespace arborix_internal
