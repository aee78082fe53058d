#include "arborix/client/CQURHandle.h"

#include <utility>

#include "BrokerCalls.h"
#include "arborix/client/ZEVException.h"

using namespace arborix_internal;

CQURHandle::CQURHandle(KORContainerObject* handle) : handle_(handle) {
  if (handle_ != nullptr && AddRefContainer(handle_) == 0) {
    handle_ = nullptr;
    throw ZEVException("invalid container");
  }
}

CQURHandle::CQURHandle(const CQURHandle& other) : handle_(other.handle_) {
  if (handle_ != nullptr) AddRefContainer(handle_);
}

// What is moved out of a borrowed handle may outlive the lender: it counts
// its own reference. The lender keeps the container alive, so adding one
// fails only with the broker gone, and then nothing can be counted anyway.
CQURHandle::CQURHandle(CQURHandle&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), counted_(std::exchange(other.counted_, true)) {
  if (counted_ || handle_ == nullptr) {
    counted_ = true;
    return;
  }
  try {
    counted_ = AddRefContainer(handle_) != 0;
  } catch (...) {
  }
}

CQURHandle& CQURHandle::operator=(CQURHandle other) noexcept {
  std::swap(handle_, other.handle_);
  std::swap(counted_, other.counted_);
  return *this;
}

void CQURHandle::Release() noexcept {
  try {
    ReleaseContainer(handle_);
  } catch (...) {
    // The broker is gone, and the container with it.
  }
}
