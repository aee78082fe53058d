#include "ParseFailure.h"

namespace atelier {

const char* StatusName(XMLParseStatus status) {
  switch (status) {
    case XMLParseOK:
      return "XMLParseOK";
    case XMLParseTagMismatch:
      return "XMLParseTagMismatch";
    case XMLParseBadEncoding:
      return "XMLParseBadEncoding";
    case XMLParseNoRootElement:
      return "XMLParseNoRootElement";
    case XMLParseFailed:
      return "XMLParseFailed";
    case XMLParseNotWellFormed:
      return "XMLParseNotWellFormed";
    case XMLParseUndefinedEntity:
      return "XMLParseUndefinedEntity";
  }
  return "XMLParseFailed";
}

std::string DescribeParseFailure(const std::string& path, const XMLParseFault& fault) {
  const std::string status = StatusName(fault.status);
  if (fault.message.empty()) return path + ": " + status;
  if (fault.line == 0) return path + ": " + fault.message + " (" + status + ")";
  return path + ":" + std::to_string(fault.line) + ":" + std::to_string(fault.column) + ": " + fault.message + " (" +
         status + ")";
}

}  // namespace atelier
