/// @file
/// XMLErrorHandler: remembers the last error that the parser component
/// reported about the document, so that a parse can name its status. Errors
/// of other components and warnings are ignored. It never throws: the parser
/// alone decides whether the parse goes on after an error.
#pragma once

#include <cstdint>

#include "ArborixExport.h"
#include "arborix/XMLParseStatus.h"
#include "arborix/client/HQURErrorHandlerBase.h"

/// Remembers the last error the parser component reported about the document.
class ARBORIX_EXPORT XMLErrorHandler : public HQURErrorHandlerBase {
 public:
  /// A handler with no error recorded.
  XMLErrorHandler() = default;

  /// Records `error` if the parser component raised it; never throws.
  ///@{
  void error(const CKORError& error) override;
  void fatalError(const CKORError& error) override;
  ///@}

  /// Whether an error of the parser component was recorded.
  bool HasError() const { return hasError_; }
  /// The numeric ID of the last recorded error (0 when there is none).
  std::int32_t ErrorID() const { return errorID_; }
  /// The parse status that the last recorded error stands for, as a failed
  /// parse reports it; XMLParseFailed for an ID without a status of its own,
  /// and when no error was recorded.
  XMLParseStatus Status() const;

 private:
  void Record(const CKORError& error);

  bool hasError_ = false;
  std::int32_t errorID_ = 0;
};
