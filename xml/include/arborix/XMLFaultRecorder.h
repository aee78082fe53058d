/// @file
/// XMLFaultRecorder: an XMLErrorHandler that also keeps where and why the
/// parser reported its last error, as an XMLParseFault. For callers that
/// drive the parser with a content handler of their own: that handler passes
/// the document locator it receives to FollowLocator, and the recorder reads
/// the position from it whenever an error arrives.
#pragma once

#include "ArborixExport.h"
#include "arborix/XMLErrorHandler.h"
#include "arborix/XMLParseFault.h"
#include "arborix/client/CKORError.h"
#include "arborix/client/CQURLocator.h"

/// Records the status, position and message of the last error the parser
/// component reported about the document. Like XMLErrorHandler, it never
/// throws from the parser's callbacks and ignores errors of other components.
class ARBORIX_EXPORT XMLFaultRecorder : public XMLErrorHandler {
 public:
  /// A recorder with no error recorded and no locator: until it is given one,
  /// errors are recorded at line and column 0.
  XMLFaultRecorder() = default;

  /// Keeps a reference to the parser's document locator, which a content
  /// handler receives in setDocumentLocator.
  void FollowLocator(const CQURLocator& locator) { locator_ = locator; }

  /// Records `error` as XMLErrorHandler does and, if the parser component
  /// raised it, keeps it as the fault; never throws.
  ///@{
  void error(const CKORError& error) override;
  void fatalError(const CKORError& error) override;
  ///@}

  /// The last recorded error: its status (as Status() gives it), the line and
  /// column the locator gave when it arrived, and its message. Without a
  /// recorded error (HasError() false), no fault (XMLParseOK).
  const XMLParseFault& Fault() const { return fault_; }

 private:
  void Keep(const CKORError& error);

  CQURLocator locator_;
  XMLParseFault fault_;
};
