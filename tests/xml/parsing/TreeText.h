// Compact views of parsed trees for assertions.
#pragma once

#include <string>

#include "arborix/XMLDocument.h"

namespace parsing_test {

// The tree in a bracketed form that shows every node boundary:
// element "a(x=1)[...]", text "'t'"; children separated by commas.
std::u16string Outline(XMLBase* node);

}  // namespace parsing_test
