#include "arborix/client/CKORError.h"

#include "BrokerCalls.h"

using namespace arborix_internal;

CKORError::CKORError(KORErrorObject* error) : error_(error) {
  if (error_ == nullptr) return;
  AddRefError(error_);
  Describe();
}

CKORError::CKORError(KORErrorObject* error, AdoptTag) : error_(error) {
  if (error_ == nullptr) return;
  try {
    Describe();
  } catch (...) {
    ReleaseError(error_);
    throw;
  }
}

CKORError CKORError::Adopt(KORErrorObject* error) { return CKORError(error, AdoptTag{}); }

CKORError::CKORError(const CKORError& other)
    : std::exception(other), error_(other.error_), message_(other.message_), component_(other.component_),
      id_(other.id_) {
  if (error_ != nullptr) AddRefError(error_);
}

CKORError& CKORError::operator=(const CKORError& other) {
  if (this == &other) return *this;
  CKORError copy(other);
  std::swap(error_, copy.error_);
  std::swap(message_, copy.message_);
  std::swap(component_, copy.component_);
  std::swap(id_, copy.id_);
  return *this;
}

CKORError::~CKORError() {
  if (error_ == nullptr) return;
  try {
    ReleaseError(error_);
  } catch (...) {
    // The broker is gone, and the error with it.
  }
}

const char* CKORError::what() const noexcept { return message_.c_str(); }

void CKORError::Describe() {
  message_ = ErrorMessage(error_);
  component_ = ErrorComponent(error_);
  id_ = ErrorID(error_);
}
