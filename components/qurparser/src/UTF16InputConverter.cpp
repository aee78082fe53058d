#include "UTF16InputConverter.h"

#include <algorithm>

#include "platform/utf/AsciiRuns.h"
#include "platform/utf/CodePointWriting.h"

namespace qur {
namespace {

using platform::utf::IsHighSurrogate;
using platform::utf::IsLowSurrogate;
using platform::utf::Utf16UnitOf;
using platform::utf::WriteAsUtf8;

constexpr char kNotUTF8 = static_cast<char>(0xFF);
constexpr char kFourByteLead = static_cast<char>(0xF0);

}  // namespace

std::size_t UTF16InputConverter::MostOutput(std::size_t bytes) { return 3 * (bytes / 2 + 2) + 3; }

char* UTF16InputConverter::Room(std::size_t bytes) {
  const std::size_t needed = MostOutput(bytes);
  if (needed > capacity_) {
    storage_ = std::make_unique_for_overwrite<char[]>(needed);
    capacity_ = needed;
  }
  return storage_.get();
}

// Writes one unit, or the pair it completes.
char* UTF16InputConverter::Unit(char16_t unit, char* write) {
  if (highSurrogate_ != 0 && IsLowSurrogate(unit)) {
    write = WriteAsUtf8(platform::utf::CodePointOfPair(highSurrogate_, unit), write);
    highSurrogate_ = 0;
    return write;
  }
  if (highSurrogate_ != 0) {
    *write++ = kNotUTF8;
    highSurrogate_ = 0;
  }
  if (IsHighSurrogate(unit)) {
    highSurrogate_ = unit;
    return write;
  }
  if (IsLowSurrogate(unit) || unit == 0) {
    *write++ = kNotUTF8;
    return write;
  }
  return WriteAsUtf8(unit, write);
}

void UTF16InputConverter::Begin(ByteOrder order, bool marked) {
  Reset();
  bigEndian_ = order == ByteOrder::BigEndian;
  markBytesLeft_ = marked ? 2 : 0;
}

bool UTF16InputConverter::Convert(std::string_view bytes, bool final, char* destination) {
  const std::size_t mark = std::min(markBytesLeft_, bytes.size());
  markBytesLeft_ -= mark;
  bytes.remove_prefix(mark);
  return bigEndian_ ? ConvertUnits<ByteOrder::BigEndian>(bytes, final, destination)
                    : ConvertUnits<ByteOrder::LittleEndian>(bytes, final, destination);
}

template <ByteOrder order>
bool UTF16InputConverter::ConvertUnits(std::string_view bytes, bool final, char* destination) {
  auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t left = bytes.size();
  char* const start = destination != nullptr ? destination : Room(left);
  char* write = start;
  if (carriedByte_ >= 0 && left > 0) {
    const unsigned char joined[2] = {static_cast<unsigned char>(carriedByte_), in[0]};
    carriedByte_ = -1;
    ++in;
    --left;
    write = Unit(Utf16UnitOf<order>(joined[0], joined[1]), write);
  }
  while (left >= 2) {
    if (highSurrogate_ == 0) {
      const std::size_t ascii = platform::utf::NarrowAsciiRun<order>(in, left / 2, write);
      in += 2 * ascii;
      left -= 2 * ascii;
      write += ascii;
      if (left < 2) break;
    }
    const char16_t unit = Utf16UnitOf<order>(in[0], in[1]);
    in += 2;
    left -= 2;
    if (highSurrogate_ == 0 && unit >= 0x80 && unit < 0x800) {
      // Latin, Greek, Cyrillic, Hebrew, Arabic: two bytes, nothing to check.
      write = WriteAsUtf8(unit, write);
    } else {
      write = Unit(unit, write);
    }
  }
  if (left == 1) carriedByte_ = in[0];
  if (final && highSurrogate_ != 0) {
    // Half of a pair cut off by the end: the first byte of a four-byte form,
    // with nothing after it, is where Expat reports a partial character.
    *write++ = kFourByteLead;
    highSurrogate_ = 0;
  }
  output_ = {start, static_cast<std::size_t>(write - start)};
  return !final || carriedByte_ < 0;
}

void UTF16InputConverter::Reset() {
  output_ = {};
  highSurrogate_ = 0;
  carriedByte_ = -1;
  bigEndian_ = false;
  markBytesLeft_ = 0;
}

}  // namespace qur
