#include "arborix/client/HQURErrorHandlerBase.h"

#include "KOR.h"

namespace {
constexpr const char* kFatalErrorWrapper = "QURFatalErrorHack";
}  // namespace

ZQURErrorHandlerPrototype::~ZQURErrorHandlerPrototype() = default;
HQURErrorHandlerBase::~HQURErrorHandlerBase() = default;

void HQURErrorHandlerBase::rawWarning(KORErrorObject* error) {
  const CKORError received = CKORError::Adopt(error);
  warning(received);
}

void HQURErrorHandlerBase::rawError(KORErrorObject* error) {
  const CKORError received = CKORError::Adopt(error);
  if (received.Component() == kFatalErrorWrapper) {
    // The wrapper's ID carries the parser's own reference to the fatal error.
    const CKORError fatal = CKORError::Adopt(reinterpret_cast<KORErrorObject*>(received.ID()));
    fatalError(fatal);
  } else {
    this->error(received);
  }
}

void HQURErrorHandlerBase::warning(const CKORError&) {}
void HQURErrorHandlerBase::error(const CKORError&) {}
void HQURErrorHandlerBase::fatalError(const CKORError& error) { throw error; }
void HQURErrorHandlerBase::resetErrors() {}
void HQURErrorHandlerBase::selfDestruct() { delete this; }
