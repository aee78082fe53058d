// HQURErrorHandlerBase: the base of the library's error handlers. The parser
// reports document faults through fatalError; warning and error do nothing by
// default, and the default fatalError throws the error as CKORError, which
// ends the parse with it. The parser destroys a handler through selfDestruct.
#pragma once

#include "ArborixExport.h"
#include "arborix/CKORError.h"
#include "arborix/QURHandles.h"

class ARBORIX_EXPORT ZQURErrorHandlerPrototype {
 public:
  virtual ~ZQURErrorHandlerPrototype();
};

class ARBORIX_EXPORT HQURErrorHandlerBase : public ZQURErrorHandlerPrototype {
 public:
  ~HQURErrorHandlerBase() override;

 private:
  // Take over the parser's reference to `error`.
  virtual void rawWarning(KORErrorObject* error);
 public:
  virtual void warning(const CKORError& error);
 private:
  // A fatal error arrives wrapped (component "QURFatalErrorHack", the
  // original handle as ID) and goes to fatalError; any other to error.
  virtual void rawError(KORErrorObject* error);
 public:
  virtual void error(const CKORError& error);
  virtual void fatalError(const CKORError& error);
  virtual void resetErrors();
  virtual void selfDestruct();

 private:
  friend class CQURAdapterEntries;
};
