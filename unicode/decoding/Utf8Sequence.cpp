#include "Utf8Sequence.h"

#include "glyphwerk/DecodingErrors.h"
#include "platform/utf/CodePointWriting.h"
#include "platform/utf/Utf8Sequence.h"

namespace glyphwerk_internal {

void DecodeUtf8Sequence(ByteCursor& cursor, UnitWriter& out) {
  unsigned char bytes[6];
  bytes[0] = cursor.Current();
  cursor.Advance();
  const std::uint32_t length = platform::utf::Utf8SequenceLength(bytes[0]);
  for (std::uint32_t i = 1; i < length; ++i) {
    if (cursor.Exhausted()) throw unexpected_eof_utf8();
    bytes[i] = cursor.Current();
    cursor.Advance();
  }
  // Every byte the lead announced is at hand, so the sequence is never Truncated.
  const platform::utf::Utf8Decoded sequence = platform::utf::DecodeUtf8Sequence(bytes, length);
  switch (sequence.fault) {
    case platform::utf::Utf8Fault::None:
      break;
    case platform::utf::Utf8Fault::EncodedSurrogate:
      throw invalid_utf8_value();
    case platform::utf::Utf8Fault::Truncated:
    case platform::utf::Utf8Fault::Malformed:
      throw invalid_utf8_sequence();
  }
  // A well-formed sequence stays within U+10FFFF, which UTF-16 carries.
  char16_t* units = out.Reserve(2);
  out.Commit(static_cast<std::size_t>(platform::utf::WriteAsUtf16(sequence.value, units) - units));
}

}  // namespace glyphwerk_internal
