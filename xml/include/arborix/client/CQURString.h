/// @file
/// CQURString: a counted reference to a string of the parser component, as the
/// parser hands it to a handler. Reading it with w_str may replace the held
/// string by a UTF-16 copy made through the parser's string factory.
#pragma once

#include <cstdint>

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/client/CQURHandle.h"

/// A counted reference to a string of the parser component.
class ARBORIX_EXPORT CQURString {
 public:
  /// A string without text.
  CQURString() = default;
  /// Adds a reference; a handle that is not a live container throws
  /// ZEVException("invalid container"). Null makes a string without text.
  explicit CQURString(KORContainerObject* handle);
  /// Takes over the reference `handle` holds, borrowed or counted.
  explicit CQURString(CQURHandle handle) { handle_.TakeOver(handle); }
  /// A new parser string holding `text` (UTF-16, or null-terminated UTF-8);
  /// a failure of the parser's string factory is thrown.
  ///@{
  static CQURString FromUTF16(const UTF16String& text);
  static CQURString FromUTF8(const char* text);
  ///@}

  /// The text; empty when the string has none (or the handle is null).
  /// Converted once, straight into the result; the string held stays as it is.
  UTF16String GetText();
  /// The same, into `text`, which keeps its storage where it is large enough.
  void GetText(UTF16String& text);
  /// The most UTF-16 units the text can take: its length in UTF-8 bytes,
  /// which no text's length in UTF-16 units exceeds; 0 without text.
  std::int32_t MostUTF16Units();
  /// Writes the text as UTF-16 into `buffer`, which has room for `capacity`
  /// units, converting it on the way if the parser keeps it as UTF-8, and
  /// returns the number of units written. With room for MostUTF16Units(), the
  /// whole text is written.
  std::int32_t CopyUTF16(char16_t* buffer, std::int32_t capacity);
  /// The null-terminated text, valid while this holder keeps the string; null when there is none.
  const char16_t* w_str();
  /// The string handle, still owned by this holder; null for a string without handle.
  KORContainerObject* Handle() const { return handle_.get(); }

 private:
  CQURHandle handle_;
  const TKORVTab<_t_ZQURStringInterface>* Table();

  TKORVTab<_t_ZQURStringInterface>* table_ = nullptr;
};
