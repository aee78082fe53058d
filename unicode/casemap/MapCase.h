// MapCase: the one conversion behind the six case functions.
#pragma once

#include "CaseField.h"
#include "UTF16String.h"

namespace glyphwerk_internal {

// Replaces every code unit of `source` by its `field` replacement from the
// process-wide table (filling it on first use); units that are no key, every
// surrogate among them, pass unchanged. Each unit is mapped on its own, without
// context or locale. An empty source returns at once and fills nothing.
UTF16String MapCase(const UTF16String& source, CaseField field);

}  // namespace glyphwerk_internal
