#include "ErrorConversion.h"

#include <cstring>
#include <exception>

#include "BrokerCalls.h"
#include "arborix/client/CKORError.h"
#include "arborix/client/ZEVException.h"

namespace arborix_internal {

void RaiseIfError(KORErrorHandle error) {
  if (error != nullptr) RaiseError(error);
}

void RaiseError(KORErrorHandle error) {
  const bool outOfMemory = std::strcmp(ErrorComponent(error), kKORCoreErrorComponent) == 0 &&
                           ErrorID(error) == kKORCoreErrorOutOfMemory;
  if (outOfMemory) {
    ReleaseError(error);
    throw BadAllocation();
  }
  throw CKORError::Adopt(error);
}

void ThrowMissingInterface() {
  // Making the error needs the error interface; when that is the missing one,
  // the lookup below would come straight back here.
  static bool raising = false;
  if (raising) throw ZEVException("Missing Interface");
  raising = true;
  KORErrorHandle error = nullptr;
  try {
    error = NewError("Missing Interface", kKORComponent, 0);
  } catch (...) {
    raising = false;
    throw;
  }
  raising = false;
  throw CKORError::Adopt(error);
}

KORErrorHandle ErrorFromCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const CKORError& error) {
      if (error.Handle() == nullptr) return CoreError(kKORCoreErrorGeneric);
      AddRefError(error.Handle());
      return error.Handle();
    } catch (const std::bad_alloc&) {
      return CoreError(kKORCoreErrorOutOfMemory);
    } catch (const std::exception& error) {
      return NewError(error.what(), kKORCoreErrorComponent, 0);
    } catch (...) {
      return CoreError(kKORCoreErrorGeneric);
    }
  } catch (...) {
    // The broker itself failed; the parser must still learn that the
    // callback did not succeed, and core errors need no memory.
    try {
      return CoreError(kKORCoreErrorGeneric);
    } catch (...) {
      return nullptr;
    }
  }
}

}  // namespace arborix_internal
