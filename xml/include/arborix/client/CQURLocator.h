/// @file
/// CQURLocator: a counted reference to the parser's document locator. During a
/// callback it tells where in the document the parser stands (1-based line and
/// column); outside a parse, and for a holder without handle, both are 0.
#pragma once

#include <cstdint>

#include "ArborixExport.h"
#include "arborix/client/CQURHandle.h"

/// A counted reference to the parser's document locator.
class ARBORIX_EXPORT CQURLocator {
 public:
  /// A holder without handle: both numbers are 0.
  CQURLocator() = default;
  /// Adds a reference to `handle`; one that is not a live container throws
  /// ZEVException("invalid container"). Null makes a holder without handle.
  explicit CQURLocator(KORContainerObject* handle);

  /// The 1-based line the parser stands on; 0 outside a parse or without handle.
  std::int32_t getLineNumber() const;
  /// The 1-based column the parser stands on; 0 outside a parse or without handle.
  std::int32_t getColumnNumber() const;

 private:
  std::int32_t Number(int method) const;
  CQURHandle handle_;
  TKORVTab<_t_ZQURLocatorInterface>* table_ = nullptr;
};
