// UTF-8 <-> UTF-16 for the parser's strings. Ill-formed input never fails:
// each bad UTF-8 sequence and each unpaired surrogate becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace qur {

std::u16string ToUTF16(std::string_view utf8);
// Appends the UTF-16 form of `utf8` to `out`; runs of ASCII are copied
// without decoding.
void AppendAsUTF16(std::string_view utf8, std::u16string& out);
std::string ToUTF8(std::u16string_view utf16);

}  // namespace qur
