/// @file
/// HQURErrorHandlerBase: the base of the library's error handlers. The parser
/// reports document faults through fatalError; warning and error do nothing by
/// default, and the default fatalError throws the error as CKORError, which
/// ends the parse with it. The parser destroys a handler through selfDestruct.
#pragma once

#include "ArborixExport.h"
#include "arborix/client/CKORError.h"
#include "arborix/client/QURHandles.h"

/// The marker of error handlers, as the parser's interface knows them.
class ARBORIX_EXPORT ZQURErrorHandlerPrototype {
 public:
  virtual ~ZQURErrorHandlerPrototype();
};

/// The base of the error handlers handed to the parser.
class ARBORIX_EXPORT HQURErrorHandlerBase : public ZQURErrorHandlerPrototype {
 public:
  ~HQURErrorHandlerBase() override;

 private:
  /// Take over the parser's reference to `error`.
  virtual void rawWarning(KORErrorObject* error);
 public:
  /// A warning of the parser; does nothing by default.
  virtual void warning(const CKORError& error);
 private:
  /// A fatal error arrives wrapped (component "QURFatalErrorHack", the
  /// original handle as ID) and goes to fatalError; any other to error.
  virtual void rawError(KORErrorObject* error);
 public:
  /// An error the parser can go on after; does nothing by default.
  virtual void error(const CKORError& error);
  /// A fault in the document; throws `error` by default, which ends the parse.
  virtual void fatalError(const CKORError& error);
  /// The parser's request to forget the errors seen; does nothing by default.
  virtual void resetErrors();
  /// Destroys the handler when the parser lets it go; `delete this` by default.
  virtual void selfDestruct();

 private:
  friend class CQURAdapterEntries;
};
