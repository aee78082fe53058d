// How the tool names a failed parse, from the fault the library reports: as
// compilers put it, "FILE:LINE:COLUMN: MESSAGE (STATUS)".
#pragma once

#include <string>

#include "Arborix.h"

namespace atelier {

// Why the input named `path` failed to parse: "FILE:LINE:COLUMN: MESSAGE
// (STATUS)", or "FILE: MESSAGE (STATUS)" when the parser named no place, or
// "FILE: STATUS" when there is no message either.
std::string DescribeParseFailure(const std::string& path, const XMLParseFault& fault);

// The name of a parse status ("XMLParseTagMismatch").
const char* StatusName(XMLParseStatus status);

}  // namespace atelier
