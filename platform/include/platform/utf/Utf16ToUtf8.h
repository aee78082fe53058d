// UTF-16 converted to UTF-8, with the way an unpaired surrogate is treated
// chosen by the caller. A high surrogate followed by a low one is always
// written as the one code point they make.
#pragma once

#include <cstddef>

#include "platform/utf/CodePointWriting.h"
#include "platform/utf/Utf16Units.h"

namespace platform::utf {

enum class UnpairedSurrogate {
  EncodeAsIs,  // written like any other unit, as the three bytes ED A0-BF 80-BF
  Replace,     // written as U+FFFD
};

// Writes the UTF-8 form of the `size` units at `in` at `out`, which has room
// for three bytes a unit (a pair makes four bytes of its two units). Returns
// the bytes written.
template <UnpairedSurrogate policy>
std::size_t WriteUtf16AsUtf8(const char16_t* in, std::size_t size, char* out) {
  char* write = out;
  for (std::size_t i = 0; i < size; ++i) {
    char32_t unit = in[i];
    if (unit < 0x80) {
      *write++ = static_cast<char>(unit);
      continue;
    }
    if (IsHighSurrogate(unit) && i + 1 < size && IsLowSurrogate(in[i + 1])) {
      write = WriteAsUtf8(CodePointOfPair(in[i], in[i + 1]), write);
      ++i;
      continue;
    }
    if (policy == UnpairedSurrogate::Replace && IsSurrogate(unit)) unit = kReplacementCharacter;
    write = WriteAsUtf8(unit, write);
  }
  return static_cast<std::size_t>(write - out);
}

}  // namespace platform::utf
