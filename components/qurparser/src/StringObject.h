// The parser's strings ("QURString"): text kept as UTF-8 or as UTF-16, with
// the string factory and the ten string methods.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Broker.h"
#include "KOR.h"

namespace qur {

struct StringObject;

// A new UTF-8 string container with one reference.
KORErrorHandle NewUTF8String(std::string_view text, KORContainer* result);
// A new UTF-16 string container with one reference.
KORErrorHandle NewUTF16String(std::u16string_view text, KORContainer* result);
// The text of a string container as UTF-8; false when `string` is not a string.
bool StringTextUTF8(KORContainer string, std::string& text);

// A string lent to handler callbacks (see LentContainer): refilled in place
// while the parser holds it alone, made anew otherwise. It keeps the UTF-8
// text Expat gives, unconverted: the handler converts it once, into storage
// of its own.
class LentString {
 public:
  // Makes the string hold `utf8` and stores its handle (still the parser's)
  // in `result`; null on error.
  KORErrorHandle Lend(std::string_view utf8, KORContainer& result);
  KORContainer get() const { return container_.get(); }
  // Lets the string go.
  void Reset();

 private:
  template <class Fill>
  KORErrorHandle LendFilled(Fill fill, KORContainer& result);

  LentContainer container_;
  StringObject* object_ = nullptr;
};

bool PublishStringProcedures();

}  // namespace qur
