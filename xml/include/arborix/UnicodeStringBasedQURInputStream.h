/// @file
/// UnicodeStringBasedQURInputStream: a UTF16String for the parser, as the
/// bytes of its code units in little-endian order, with no byte-order mark and
/// no terminating zero; the parser recognises UTF-16LE from the first
/// characters. The stream keeps a copy of the string.
#pragma once

#include <cstdint>

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/client/HQURBinInputStreamBase.h"

/// A UTF16String for the parser, as the little-endian bytes of its code units.
class ARBORIX_EXPORT UnicodeStringBasedQURInputStream : public HQURBinInputStreamBase {
 public:
  /// Throws std::length_error for a string of 2^31 code units or more, whose
  /// bytes a 32-bit position cannot count.
  explicit UnicodeStringBasedQURInputStream(const UTF16String& text);
  UnicodeStringBasedQURInputStream(const UnicodeStringBasedQURInputStream&) = delete;
  UnicodeStringBasedQURInputStream& operator=(const UnicodeStringBasedQURInputStream&) = delete;

  /// Copies the next min(maximum, bytes left) bytes; returns the count, 0 at the end.
  unsigned int readBytes(unsigned char* const buffer, unsigned int maximum) override;
  std::uint32_t curPos() const override;

 protected:
  /// Picks the constructor that reads the caller's string in place.
  struct ReadInPlace {};
  /// Reads the caller's string where it lies instead of copying it (a
  /// big-endian host still copies, to swap the bytes); the string must outlive
  /// the stream and stay unchanged while it is read.
  ARBORIX_NO_EXPORT UnicodeStringBasedQURInputStream(ReadInPlace, const UTF16String& text);

 private:
  UTF16String text_;
  std::uint32_t position_ = 0;
  const unsigned char* next_;
  std::uint32_t size_;
};
