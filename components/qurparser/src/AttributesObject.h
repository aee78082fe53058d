// The attribute list of one start tag ("QURAttributes"), in document order.
// Namespace processing is off: every URI is empty and the local name is the
// name as written.
#pragma once

#include "Broker.h"
#include "KOR.h"

namespace qur {

struct AttributesObject;

// The attribute list lent to the content handler's startElement (see
// LentContainer): refilled in place while the parser holds it alone.
class LentAttributes {
 public:
  // Makes the list hold Expat's null-terminated name/value array and stores
  // its handle (still the parser's) in `result`; null on error.
  KORErrorHandle Lend(const char** pairs, KORContainer& result);

 private:
  LentContainer container_;
  AttributesObject* object_ = nullptr;
};

bool PublishAttributesProcedures();

}  // namespace qur
