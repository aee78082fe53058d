#include "arborix/UnicodeStringBasedQURInputStream.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace {

const UTF16String& CheckedLength(const UTF16String& text) {
  if (text.size() > 0x7FFFFFFFu) throw std::length_error("string too long for the parser's 32-bit positions");
  return text;
}

UTF16String LittleEndianCopy(const UTF16String& text) {
  UTF16String copy(CheckedLength(text));
  if constexpr (std::endian::native == std::endian::big) {
    for (char16_t& unit : copy) unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
  }
  return copy;
}

}  // namespace

UnicodeStringBasedQURInputStream::UnicodeStringBasedQURInputStream(const UTF16String& text)
    : text_(LittleEndianCopy(text)),
      next_(reinterpret_cast<const unsigned char*>(text_.data())),
      size_(static_cast<std::uint32_t>(text_.size() * sizeof(char16_t))) {}

UnicodeStringBasedQURInputStream::UnicodeStringBasedQURInputStream(ReadInPlace, const UTF16String& text)
    : text_(std::endian::native == std::endian::little ? UTF16String() : LittleEndianCopy(text)),
      next_(reinterpret_cast<const unsigned char*>(std::endian::native == std::endian::little
                                                       ? CheckedLength(text).data()
                                                       : text_.data())),
      size_(static_cast<std::uint32_t>(text.size() * sizeof(char16_t))) {}

unsigned int UnicodeStringBasedQURInputStream::readBytes(unsigned char* const buffer, unsigned int maximum) {
  const std::uint32_t count = std::min<std::uint32_t>(maximum, size_ - position_);
  if (count != 0) std::memcpy(buffer, next_, count);
  position_ += count;
  next_ += count;
  return count;
}

std::uint32_t UnicodeStringBasedQURInputStream::curPos() const { return position_; }
