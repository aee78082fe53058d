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
// A new UTF-16 string container with one reference, holding `utf8` converted
// once. The strings handed to handlers are made this way, so that a client
// reads them with w_str without a conversion of its own.
KORErrorHandle NewUTF16StringFromUTF8(std::string_view utf8, KORContainer* result);
// A new UTF-16 string container with one reference.
KORErrorHandle NewUTF16String(std::u16string_view text, KORContainer* result);
// The text of a string container as UTF-8; false when `string` is not a string.
bool StringTextUTF8(KORContainer string, std::string& text);
// The text of a string container as UTF-16: seen in place when the string
// keeps UTF-16, else converted into `storage`; false when `string` is not a
// string. The view lasts while the string and `storage` are unchanged.
bool StringTextUTF16(KORContainer string, std::u16string& storage, std::u16string_view& text);

// A UTF-16 string lent to handler callbacks (see LentContainer): refilled in
// place while the parser holds it alone, made anew otherwise.
class LentString {
 public:
  // Makes the string hold `utf8` converted to UTF-16 and stores its handle
  // (still the parser's) in `result`; null on error.
  KORErrorHandle Lend(std::string_view utf8, KORContainer& result);
  // The same with UTF-16 text.
  KORErrorHandle Lend(std::u16string_view text, KORContainer& result);
  // True while the parser holds the string alone and no one has set its text
  // since it was last lent: it still holds that text.
  bool Unchanged() const;
  KORContainer get() const { return container_.get(); }
  // Lets the string go.
  void Reset();

 private:
  template <class Fill>
  KORErrorHandle LendFilled(Fill fill, KORContainer& result);

  LentContainer container_;
  StringObject* object_ = nullptr;
  std::uint32_t version_ = 0;  // the object's version when it was last filled
};

bool PublishStringProcedures();

}  // namespace qur
