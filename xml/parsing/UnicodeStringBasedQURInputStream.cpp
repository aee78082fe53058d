#include "arborix/UnicodeStringBasedQURInputStream.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

namespace {

UTF16String LittleEndianCopy(const UTF16String& text) {
  if (text.size() > 0x7FFFFFFFu) throw std::length_error("string too long for the parser's 32-bit positions");
  UTF16String copy(text);
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

unsigned int UnicodeStringBasedQURInputStream::readBytes(unsigned char* const buffer, unsigned int maximum) {
  const std::uint32_t count = std::min<std::uint32_t>(maximum, size_ - position_);
  if (count != 0) std::memcpy(buffer, next_, count);
  position_ += count;
  next_ += count;
  return count;
}

std::uint32_t UnicodeStringBasedQURInputStream::curPos() const { return position_; }
