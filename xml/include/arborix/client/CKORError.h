/// @file
/// CKORError: an error of the broker or the parser component, thrown as an
/// exception. It holds one counted reference to the error handle; its message,
/// component and ID are read once, when it is made.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "ArborixExport.h"
#include "arborix/client/QURHandles.h"

/// An error of the broker or the parser component, thrown as an exception.
class ARBORIX_EXPORT CKORError : public std::exception {
 public:
  /// An error without handle: what() answers "Invalid CKORError".
  CKORError() noexcept = default;
  /// Adds a reference to `error` (null gives an error without handle).
  explicit CKORError(KORErrorObject* error);
  /// Takes over the caller's reference to `error`.
  static CKORError Adopt(KORErrorObject* error);

  /// A copy holds a reference of its own to the same handle.
  ///@{
  CKORError(const CKORError& other);
  CKORError& operator=(const CKORError& other);
  ///@}
  ~CKORError() override;

  /// The error's message, read when it was made.
  const char* what() const noexcept override;
  /// The error handle, still owned by this error; null without handle.
  KORErrorObject* Handle() const noexcept { return error_; }
  /// The component that raised the error ("QURParser", "QUR", "KOR", "ZEV"...); empty without handle.
  const std::string& Component() const noexcept { return component_; }
  /// The numeric ID the component gave the error; 0 without handle.
  std::intptr_t ID() const noexcept { return id_; }

 private:
  struct AdoptTag {};
  CKORError(KORErrorObject* error, AdoptTag);
  void Describe();

  KORErrorObject* error_ = nullptr;
  std::string message_ = "Invalid CKORError";
  std::string component_;
  std::intptr_t id_ = 0;
};
