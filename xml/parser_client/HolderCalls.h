// How a holder calls a method of its parser object: through the kind's method
// table, raising the error handle that comes back.
#pragma once

#include "ErrorConversion.h"
#include "TKORVTab.h"

namespace arborix_internal {

template <class Proc, class Interface, class... Args>
void Invoke(const TKORVTab<Interface>* table, int method, KORContainer object, Args... args) {
  RaiseIfError(table->template Method<Proc>(method)(object, args...));
}

}  // namespace arborix_internal
