// CQURLocator: a counted reference to the parser's document locator. During a
// callback it tells where in the document the parser stands (1-based line and
// column); outside a parse, and for a holder without handle, both are 0.
#pragma once

#include <cstdint>

#include "ArborixExport.h"
#include "arborix/CQURHandle.h"

class ARBORIX_EXPORT CQURLocator {
 public:
  CQURLocator() = default;
  explicit CQURLocator(KORContainerObject* handle);

  std::int32_t getLineNumber() const;
  std::int32_t getColumnNumber() const;

 private:
  std::int32_t Number(int method) const;
  CQURHandle handle_;
  TKORVTab<_t_ZQURLocatorInterface>* table_ = nullptr;
};
