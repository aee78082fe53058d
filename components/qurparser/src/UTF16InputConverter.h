// Converts a document in UTF-16 (either byte order, with or without a
// byte-order mark) into the UTF-8 that Expat reads fastest, block by block as
// the bytes arrive. A code unit or surrogate pair cut between two blocks is
// carried to the next one. Every UTF-16 document goes through here: Expat
// reading UTF-16 itself pairs a high surrogate with whatever unit follows it,
// a quote or a '<' included.
//
// Conversion keeps the faults Expat reports for bad UTF-16: each unpaired
// surrogate, and U+0000 (which Expat reads differently in UTF-8), becomes the
// byte 0xFF, which is no part of UTF-8, so Expat stops there with "not
// well-formed (invalid token)" at the same line and column; a high surrogate
// that ends the document becomes a lone lead byte, a partial character there.
// Expat reads Latin-1 letters in markup by a table of its own in UTF-16: the
// names it then accepts with U+00AA, U+00B5 or U+00BA are refused in UTF-8,
// as XML refuses them.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "platform/utf/Utf16Units.h"

namespace qur {

using platform::utf::ByteOrder;

class UTF16InputConverter {
 public:
  // Starts a document in `order`; `marked`: its first two bytes are a
  // byte-order mark, which is dropped.
  void Begin(ByteOrder order, bool marked);
  // The most text Convert makes of `bytes` bytes.
  static std::size_t MostOutput(std::size_t bytes);
  // Converts `bytes` into Output: written at `destination`, which has room
  // for MostOutput of them, or into storage of its own. False when `final`
  // and the bytes end in the middle of a unit; Output then holds the text
  // before it.
  bool Convert(std::string_view bytes, bool final, char* destination = nullptr);  // throws std::bad_alloc
  std::string_view Output() const { return output_; }
  // Forgets the document.
  void Reset();

 private:
  char* Room(std::size_t bytes);  // throws std::bad_alloc
  char* Unit(char16_t unit, char* write);
  template <ByteOrder order>
  bool ConvertUnits(std::string_view bytes, bool final, char* destination);  // throws std::bad_alloc

  std::unique_ptr<char[]> storage_;
  std::size_t capacity_ = 0;
  std::string_view output_;
  char16_t highSurrogate_ = 0;  // a high surrogate that ended the last block
  int carriedByte_ = -1;        // the odd byte that ended the last block
  bool bigEndian_ = false;
  std::size_t markBytesLeft_ = 0;  // of a byte-order mark not yet dropped
};

}  // namespace qur
