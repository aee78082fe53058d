// CQURHandle: one counted reference to a container of the broker, the part
// every holder of a parser object shares. Copying adds a reference,
// destruction drops it.
#pragma once

#include "ArborixExport.h"
#include "arborix/QURHandles.h"

class ARBORIX_EXPORT CQURHandle {
 public:
  CQURHandle() = default;
  // Adds a reference; a result of 0 from the broker means `handle` is not a
  // live container: throws ZEVException("invalid container"). Null stays null.
  explicit CQURHandle(KORContainerObject* handle);
  // Takes over the caller's reference.
  static CQURHandle Adopt(KORContainerObject* handle);

  CQURHandle(const CQURHandle& other);
  CQURHandle(CQURHandle&& other) noexcept;
  CQURHandle& operator=(CQURHandle other) noexcept;
  ~CQURHandle();

  KORContainerObject* get() const { return handle_; }
  // Drops the reference now.
  void Reset() noexcept;

 private:
  KORContainerObject* handle_ = nullptr;
};
