// The strings of element names that a parse lends to the content handler.
// Documents use a few names over and over: a name met again is lent in the
// string made for it before, without converting it again, as long as that
// string still holds it alone (see LentString).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "KOR.h"
#include "StringObject.h"

namespace qur {

class ElementNameStrings {
 public:
  // Stores in `result` the handle (still the parser's) of a UTF-16 string
  // holding `name`; null on error.
  KORErrorHandle Lend(std::string_view name, KORContainer& result);

 private:
  struct Entry {
    std::string name;  // UTF-8, as Expat gives it
    LentString string;
  };
  static constexpr std::size_t kEntries = 16;

  std::array<Entry, kEntries> entries_;
  std::size_t next_ = 0;  // the entry a name not kept yet replaces
};

}  // namespace qur
