#include "Utf8Sequence.h"

#include "glyphwerk/DecodingErrors.h"

namespace glyphwerk_internal {

namespace {

// Continuation bytes announced by a lead byte. 80-BF announce none: they are
// judged, and refused, as one-byte sequences.
int AnnouncedContinuations(unsigned char lead) {
  if (lead < 0xC0) return 0;
  if (lead < 0xE0) return 1;
  if (lead < 0xF0) return 2;
  if (lead < 0xF8) return 3;
  if (lead < 0xFC) return 4;
  return 5;
}

bool IsContinuation(unsigned char byte) { return byte >= 0x80 && byte <= 0xBF; }

// The shortest-form and range rules. The second byte's narrower range after
// E0, F0 and F4 refuses overlong forms and values above U+10FFFF; encoded
// surrogates (ED A0-BF) pass here and are refused by value.
bool IsLegalSequence(const unsigned char* bytes, int length) {
  if (length > 4) return false;
  if (length == 4 && !IsContinuation(bytes[3])) return false;
  if (length >= 3 && !IsContinuation(bytes[2])) return false;
  if (length >= 2) {
    const unsigned char second = bytes[1];
    if (!IsContinuation(second)) return false;
    if (bytes[0] == 0xE0 && second < 0xA0) return false;
    if (bytes[0] == 0xF0 && second < 0x90) return false;
    if (bytes[0] == 0xF4 && second > 0x8F) return false;
  }
  return !(bytes[0] >= 0x80 && bytes[0] <= 0xC1) && bytes[0] <= 0xF4;
}

constexpr unsigned char kPayloadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};

}  // namespace

void DecodeUtf8Sequence(ByteCursor& cursor, UnitWriter& out) {
  unsigned char bytes[6];
  bytes[0] = cursor.Current();
  cursor.Advance();
  const int length = 1 + AnnouncedContinuations(bytes[0]);
  for (int i = 1; i < length; ++i) {
    if (cursor.Exhausted()) throw unexpected_eof_utf8();
    bytes[i] = cursor.Current();
    cursor.Advance();
  }
  if (!IsLegalSequence(bytes, length)) throw invalid_utf8_sequence();
  std::uint32_t value = bytes[0] & kPayloadMask[length];
  for (int i = 1; i < length; ++i) value = (value << 6) | (bytes[i] & 0x3Fu);
  AppendScalarValue(value, out);
}

void AppendScalarValue(std::uint32_t value, UnitWriter& out) {
  if (value <= 0xFFFF) {
    if (value >= 0xD800 && value <= 0xDFFF) throw invalid_utf8_value();
    out.Append(static_cast<char16_t>(value));
    return;
  }
  if (value > 0x10FFFF) throw invalid_utf16_value();
  value -= 0x10000;
  char16_t* units = out.Reserve(2);
  units[0] = static_cast<char16_t>(0xD800 + (value >> 10));
  units[1] = static_cast<char16_t>(0xDC00 + (value & 0x3FF));
  out.Commit(2);
}

}  // namespace glyphwerk_internal
