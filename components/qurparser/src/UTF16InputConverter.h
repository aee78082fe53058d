// Converts a document handed over in UTF-16LE into the UTF-8 that Expat reads
// fastest, block by block as the bytes arrive. A code unit or surrogate pair
// cut between two blocks is carried to the next one.
//
// Conversion keeps what Expat reports reading UTF-16 itself: each unpaired
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

namespace qur {

class UTF16InputConverter {
 public:
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

  std::unique_ptr<char[]> storage_;
  std::size_t capacity_ = 0;
  std::string_view output_;
  char16_t highSurrogate_ = 0;  // a high surrogate that ended the last block
  int carriedByte_ = -1;        // the odd byte that ended the last block
};

}  // namespace qur
