#include "arborix/XMLErrorHandler.h"

#include "ParserErrorStatus.h"

void XMLErrorHandler::error(const CKORError& error) { Record(error); }

void XMLErrorHandler::fatalError(const CKORError& error) { Record(error); }

void XMLErrorHandler::Record(const CKORError& error) {
  if (error.Component() != arborix_internal::kDocumentComponent) return;
  hasError_ = true;
  errorID_ = static_cast<std::int32_t>(error.ID());
}

XMLParseStatus XMLErrorHandler::Status() const {
  return hasError_ ? arborix_internal::StatusForParserError(errorID_) : XMLParseFailed;
}
