// The document locator ("QURLocator") of one parser: where in the document the
// current callback stands. Handlers may keep it beyond the parse; it then
// answers line and column 0.
#pragma once

#include <expat.h>

#include "KOR.h"

namespace qur {

struct LocatorObject {
  XML_Parser expat = nullptr;  // set while a parse runs
};

// A new locator container with one reference; `*locator` receives the object.
KORErrorHandle NewLocator(LocatorObject** locator, KORContainer* result);

bool PublishLocatorProcedures();

}  // namespace qur
