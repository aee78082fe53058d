// The attribute list of one start tag ("QURAttributes"), in document order.
// Namespace processing is off: every URI is empty and the local name is the
// name as written.
#pragma once

#include "KOR.h"

namespace qur {

// A new attributes container over Expat's null-terminated name/value array.
KORErrorHandle NewAttributes(const char** pairs, KORContainer* result);

bool PublishAttributesProcedures();

}  // namespace qur
