#include "arborix/CQURHandle.h"

#include <utility>

#include "BrokerCalls.h"
#include "arborix/ZEVException.h"

using namespace arborix_internal;

CQURHandle::CQURHandle(KORContainerObject* handle) : handle_(handle) {
  if (handle_ != nullptr && AddRefContainer(handle_) == 0) {
    handle_ = nullptr;
    throw ZEVException("invalid container");
  }
}

CQURHandle CQURHandle::Adopt(KORContainerObject* handle) {
  CQURHandle adopted;
  adopted.handle_ = handle;
  return adopted;
}

CQURHandle::CQURHandle(const CQURHandle& other) : handle_(other.handle_) {
  if (handle_ != nullptr) AddRefContainer(handle_);
}

CQURHandle::CQURHandle(CQURHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

CQURHandle& CQURHandle::operator=(CQURHandle other) noexcept {
  std::swap(handle_, other.handle_);
  return *this;
}

CQURHandle::~CQURHandle() { Reset(); }

void CQURHandle::Reset() noexcept {
  if (handle_ == nullptr) return;
  try {
    ReleaseContainer(handle_);
  } catch (...) {
    // The broker is gone, and the container with it.
  }
  handle_ = nullptr;
}
