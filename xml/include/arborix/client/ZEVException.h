/// @file
/// ZEVException: a failure of the parser client layer itself, with a fixed
/// message ("couldn't get signature", "invalid container", "couldn't initialize
/// v-table", or the instruction to construct an XMLEntryExit before parsing).
#pragma once

#include <exception>

#include "ArborixExport.h"

/// A failure of the parser client layer itself, with a fixed message.
class ARBORIX_EXPORT ZEVException : public std::exception {
 public:
  /// `message` must outlive the exception (a literal).
  explicit ZEVException(const char* message) noexcept : message_(message) {}
  /// The message given at construction.
  const char* what() const noexcept override;

 private:
  const char* message_;
};
