#include <cstdint>
#include <new>

#include "arborix/UTFConversion.h"
#include "text/UTF16ViewTo8.h"

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

char* AppendCodePoint(std::uint32_t codePoint, char* out) {
  if (codePoint < 0x80) {
    *out++ = static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    *out++ = static_cast<char>(0xC0 | (codePoint >> 6));
    *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint <= 0xFFFF) {
    *out++ = static_cast<char>(0xE0 | (codePoint >> 12));
    *out++ = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (codePoint >> 18));
    *out++ = static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (codePoint & 0x3F));
  }
  return out;
}

}  // namespace

std::string UTF16to8(const UTF16String& utf16) { return arborix_internal::UTF16ViewTo8(utf16); }

std::string arborix_internal::UTF16ViewTo8(std::u16string_view utf16) {
  std::string result;
  if (utf16.empty()) {
    return result;
  }
  // Three bytes per unit are always enough: a lone unit needs at most three,
  // a surrogate pair four for its two units.
  const std::size_t size = utf16.size();
  if (size > result.max_size() / 3) {
    throw std::bad_alloc();
  }
  result.resize(size * 3);
  char* out = result.data();
  for (std::size_t i = 0; i < size; ++i) {
    const char16_t unit = utf16[i];
    if (unit < 0x80) {
      *out++ = static_cast<char>(unit);
      continue;
    }
    if (IsHighSurrogate(unit) && i + 1 < size && IsLowSurrogate(utf16[i + 1])) {
      const std::uint32_t codePoint = (unit - 0xD800u) * 0x400u + (utf16[i + 1] - 0xDC00u) + 0x10000u;
      out = AppendCodePoint(codePoint, out);
      ++i;
      continue;
    }
    out = AppendCodePoint(unit, out);
  }
  result.resize(static_cast<std::size_t>(out - result.data()));
  return result;
}
