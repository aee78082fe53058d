// The two directions between error handles and exceptions.
//
// Raising: every procedure of the parser or the broker returns null or an
// error handle that the caller owns. Out of memory ("ZEV", ID 1) is thrown as
// std::bad_alloc ("bad allocation"), everything else as CKORError holding the
// handle.
//
// Catching: a callback entry of the parser never lets an exception through; it
// hands the parser an error handle instead: a CKORError's own handle (one more
// reference), core error 1 for std::bad_alloc, a new "ZEV" error carrying
// what() for any other standard exception, core error 0 for anything else.
#pragma once

#include <new>

#include "KOR.h"

namespace arborix_internal {

// std::bad_alloc with the message the layer promises.
class BadAllocation : public std::bad_alloc {
 public:
  const char* what() const noexcept override { return "bad allocation"; }
};

// Takes over `error` (null does nothing) and throws it.
void RaiseIfError(KORErrorHandle error);
[[noreturn]] void RaiseError(KORErrorHandle error);

// Throws CKORError made with "NewError"("Missing Interface", "KOR", 0, 0, 0),
// or ZEVException("Missing Interface") when the error interface is itself missing.
[[noreturn]] void ThrowMissingInterface();

// To be called inside a catch block: the error handle for the exception being handled.
KORErrorHandle ErrorFromCurrentException() noexcept;

// Runs `body`; returns null, or the error handle of what it threw.
template <class Body>
KORErrorHandle CatchIntoError(Body&& body) noexcept {
  try {
    body();
    return nullptr;
  } catch (...) {
    return ErrorFromCurrentException();
  }
}

}  // namespace arborix_internal
