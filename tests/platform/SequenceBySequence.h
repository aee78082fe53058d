// UTF-8 converted to UTF-16 one sequence at a time, without the ASCII fast
// paths: the plain reading that the fast conversions are held to.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "platform/utf/CodePointWriting.h"
#include "platform/utf/Utf8Sequence.h"
#include "platform/utf/Utf8ToUtf16.h"

namespace utftest {

// The bytes read and the units written, treating ill-formed sequences as `policy` says.
template <platform::utf::IllFormedUtf8 policy>
std::pair<std::size_t, std::u16string> SequenceBySequence(const unsigned char* in, std::size_t size) {
  using platform::utf::IllFormedUtf8;
  using platform::utf::Utf8Fault;
  std::u16string units;
  std::size_t read = 0;
  while (read < size) {
    const platform::utf::Utf8Decoded sequence = platform::utf::DecodeUtf8Sequence(in + read, size - read);
    const bool keep = sequence.fault == Utf8Fault::None ||
                      (policy == IllFormedUtf8::StopKeepingSurrogates && sequence.fault == Utf8Fault::EncodedSurrogate);
    if (keep) {
      char16_t written[2];
      units.append(written, platform::utf::WriteAsUtf16(sequence.value, written));
      read += sequence.length;
    } else if (policy == IllFormedUtf8::ReplaceEachByte) {
      units += u'\uFFFD';
      ++read;
    } else {
      break;
    }
  }
  return {read, units};
}

}  // namespace utftest
