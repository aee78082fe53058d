#include "proplist/DoubleText.h"

#include <charconv>
#include <locale>
#include <sstream>
#include <string>

namespace arborix_internal {

UTF16String DoubleToText(double value) {
  char digits[32];
  const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 6);
  return UTF16String(digits, written.ptr);
}

bool TextToDouble(const UTF16String& text, double& value) {
  // No char16_t stream has the facets extraction needs, so the text goes
  // through a narrow stream. A number and the white space before it are
  // ASCII, so the narrow copy stops at the first unit that is not.
  std::string narrow;
  narrow.reserve(text.size());
  for (char16_t unit : text) {
    if (unit > 0x7F) {
      break;
    }
    narrow.push_back(static_cast<char>(unit));
  }
  std::istringstream stream(narrow);
  stream.imbue(std::locale::classic());
  double extracted = 0;
  if (!(stream >> extracted)) {
    return false;
  }
  value = extracted;
  return true;
}

}  // namespace arborix_internal
