// The parser's strings ("QURString"): text kept as UTF-8 or as UTF-16, with
// the string factory and the ten string methods.
#pragma once

#include <string>
#include <string_view>

#include "KOR.h"

namespace qur {

// A new UTF-8 string container with one reference.
KORErrorHandle NewUTF8String(std::string_view text, KORContainer* result);
// The text of a string container as UTF-8; false when `string` is not a string.
bool StringTextUTF8(KORContainer string, std::string& text);

bool PublishStringProcedures();

}  // namespace qur
