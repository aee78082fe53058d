#include <new>

#include "arborix/UTFConversion.h"
#include "platform/utf/Utf16ToUtf8.h"
#include "text/UTF16ViewTo8.h"

std::string UTF16to8(const UTF16String& utf16) { return arborix_internal::UTF16ViewTo8(utf16); }

// An unpaired surrogate is encoded like any other unit.
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
  result.resize(platform::utf::WriteUtf16AsUtf8<platform::utf::UnpairedSurrogate::EncodeAsIs>(utf16.data(), size,
                                                                                               result.data()));
  return result;
}
