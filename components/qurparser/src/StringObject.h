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
// while the parser holds it alone, made anew otherwise. It refers to the
// UTF-8 text Expat gives, neither copied nor converted: the handler converts
// it once, into storage of its own. A handler that keeps the string past its
// callback gets a copy of the text when the callback returns (Settle).
class LentString {
 public:
  LentString() = default;
  LentString(const LentString&) = delete;
  LentString& operator=(const LentString&) = delete;
  ~LentString() { Settle(); }

  // Makes the string refer to `utf8`, which is followed by a NUL and stays
  // where it is until Settle, and stores its handle (still the parser's) in
  // `result`; null on error.
  KORErrorHandle Lend(std::string_view utf8, KORContainer& result);
  // Once the handler returns: when it still holds the string, the string
  // copies its text. False when there was no memory for it; the string is
  // then empty.
  bool Settle() noexcept { return object_ == nullptr || container_.Reusable() || OwnHeld(); }

 private:
  bool OwnHeld() noexcept;

  LentContainer container_;
  StringObject* object_ = nullptr;
};

bool PublishStringProcedures();

}  // namespace qur
