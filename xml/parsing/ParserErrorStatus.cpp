#include "ParserErrorStatus.h"

namespace arborix_internal {

XMLParseStatus StatusForParserError(std::int32_t id) {
  switch (id) {
    case 26:
      return XMLParseTagMismatch;
    case 48:
    case 101:
      return XMLParseBadEncoding;
    case 29:
      return XMLParseNoRootElement;
    case 10:
    case 13:
    case 14:
    case 15:
    case 17:
    case 18:
    case 35:
    case 37:
      return XMLParseNotWellFormed;
    case 38:
      return XMLParseUndefinedEntity;
    default:
      return XMLParseFailed;
  }
}

}  // namespace arborix_internal
