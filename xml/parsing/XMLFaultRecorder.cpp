#include "arborix/XMLFaultRecorder.h"

#include <string>
#include <string_view>
#include <utility>

#include "ParserErrorStatus.h"

namespace {

// The message without the position it ends with, when it repeats the one the
// fault carries: the parser component may name it in the message as well.
std::string WithoutRepeatedPosition(std::string message, std::int32_t line, std::int32_t column) {
  const std::string position = " at line " + std::to_string(line) + ", column " + std::to_string(column);
  if (std::string_view(message).ends_with(position)) message.resize(message.size() - position.size());
  return message;
}

}  // namespace

void XMLFaultRecorder::error(const CKORError& error) {
  XMLErrorHandler::error(error);
  Keep(error);
}

void XMLFaultRecorder::fatalError(const CKORError& error) {
  XMLErrorHandler::fatalError(error);
  Keep(error);
}

void XMLFaultRecorder::Keep(const CKORError& error) {
  if (error.Component() != arborix_internal::kDocumentComponent) return;
  try {
    XMLParseFault fault;
    fault.status = Status();
    fault.line = locator_.getLineNumber();
    fault.column = fault.line == 0 ? 0 : locator_.getColumnNumber();
    fault.message = WithoutRepeatedPosition(error.what(), fault.line, fault.column);
    fault_ = std::move(fault);
  } catch (...) {
    // Out of memory or a locator the parser no longer answers: the status
    // stays recorded; the parser alone decides how the parse ends.
    fault_ = XMLParseFault{Status(), 0, 0, {}};
  }
}
