/// @file
/// CQURHandle: one counted reference to a container of the broker, the part
/// every holder of a parser object shares. Copying adds a reference,
/// destruction drops it. A borrowed handle counts nothing: it stands for a
/// reference that someone else keeps for as long as the handle lives.
#pragma once

#include "ArborixExport.h"
#include "arborix/client/QURHandles.h"

/// One counted (or borrowed) reference to a container of the broker.
class ARBORIX_EXPORT CQURHandle {
 public:
  /// A null handle.
  CQURHandle() = default;
  /// Adds a reference; a result of 0 from the broker means `handle` is not a
  /// live container: throws ZEVException("invalid container"). Null stays null.
  explicit CQURHandle(KORContainerObject* handle);
  /// Takes over the caller's reference.
  static CQURHandle Adopt(KORContainerObject* handle) { return CQURHandle(handle, true); }
  /// Borrows the caller's reference, which the caller keeps (and `handle`
  /// alive) until the handle is gone: nothing is added or dropped. A copy of
  /// a borrowed handle, or a move out of one, counts a reference of its own.
  static CQURHandle Borrow(KORContainerObject* handle) { return CQURHandle(handle, false); }

  /// Adds a reference to the container `other` holds.
  CQURHandle(const CQURHandle& other);
  /// Takes over `other`'s reference and leaves it null; a move out of a
  /// borrowed handle adds a reference of its own.
  CQURHandle(CQURHandle&& other) noexcept;
  /// Takes over the reference `other` holds and drops the one held so far.
  CQURHandle& operator=(CQURHandle other) noexcept;
  /// Inline: holders are made and dropped on every callback of a parse.
  ~CQURHandle() { Reset(); }

  /// The container, still owned by this handle; null for a null handle.
  KORContainerObject* get() const { return handle_; }
  /// Drops the reference now.
  void Reset() noexcept {
    if (handle_ != nullptr && counted_) Release();
    handle_ = nullptr;
    counted_ = true;
  }

 private:
  /// The holders take a handle over as it is, borrowed or counted.
  friend class CQURString;
  friend class CQURAttributes;
  void TakeOver(CQURHandle& from) noexcept {
    Reset();
    handle_ = from.handle_;
    counted_ = from.counted_;
    from.handle_ = nullptr;
    from.counted_ = true;
  }
  /// Drops the counted reference to the container.
  void Release() noexcept;
  CQURHandle(KORContainerObject* handle, bool counted) noexcept : handle_(handle), counted_(counted) {}

  KORContainerObject* handle_ = nullptr;
  bool counted_ = true;  ///< false while the reference is borrowed
};
