// The parser's strings ("QURString"): text kept as UTF-8 or as UTF-16, with
// the string factory and the ten string methods.
#pragma once

#include <string>
#include <string_view>

#include "KOR.h"

namespace qur {

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
// The text of a string container as UTF-16; false when `string` is not a string.
bool StringTextUTF16(KORContainer string, std::u16string& text);

bool PublishStringProcedures();

}  // namespace qur
