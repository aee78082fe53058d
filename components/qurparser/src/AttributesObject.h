// The attribute list of one start tag ("QURAttributes"), in document order.
// Namespace processing is off: every URI is empty and the local name is the
// name as written.
#pragma once

#include "Broker.h"
#include "KOR.h"

namespace qur {

struct AttributesObject;

// The attribute list lent to the content handler's startElement (see
// LentContainer): refilled in place while the parser holds it alone. It
// refers to Expat's texts without copying them; a handler that keeps the
// list, or a string it answered, past the callback gets copies when the
// callback returns (Settle).
class LentAttributes {
 public:
  // Makes the list refer to Expat's null-terminated name/value array, which
  // stays where it is until Settle, and stores its handle (still the
  // parser's) in `result`; null on error.
  KORErrorHandle Lend(const char** pairs, KORContainer& result);
  // Once the handler returns: a list or answer it still holds copies its
  // texts. False when there was no memory for it; what could not be copied
  // is then empty.
  bool Settle() noexcept;

 private:
  LentContainer container_;
  AttributesObject* object_ = nullptr;
};

bool PublishAttributesProcedures();

}  // namespace qur
