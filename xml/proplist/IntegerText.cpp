#include "proplist/IntegerText.h"

#include <limits>

namespace arborix_internal {
namespace {

struct Decimal {
  bool negative = false;
  bool overflow = false;  // the magnitude does not fit in 32 bits
  std::uint32_t magnitude = 0;
};

bool IsSpace(char16_t unit) { return unit == u' ' || (unit >= u'\t' && unit <= u'\r'); }

Decimal ReadDecimal(const UTF16String& text) {
  Decimal number;
  auto at = text.begin();
  while (at != text.end() && IsSpace(*at)) ++at;
  if (at != text.end() && (*at == u'+' || *at == u'-')) {
    number.negative = *at == u'-';
    ++at;
  }
  std::uint64_t magnitude = 0;
  for (; at != text.end() && *at >= u'0' && *at <= u'9'; ++at) {
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(*at - u'0');
    if (magnitude > std::numeric_limits<std::uint32_t>::max()) {
      number.overflow = true;
      magnitude = std::numeric_limits<std::uint32_t>::max();
    }
  }
  number.magnitude = static_cast<std::uint32_t>(magnitude);
  return number;
}

}  // namespace

std::uint32_t ExtractUnsigned32(const UTF16String& text) {
  const Decimal number = ReadDecimal(text);
  if (number.overflow) return std::numeric_limits<std::uint32_t>::max();
  return number.negative ? 0u - number.magnitude : number.magnitude;
}

std::int32_t ExtractSigned32(const UTF16String& text) {
  const Decimal number = ReadDecimal(text);
  constexpr std::uint32_t kLargestNegative = 0x80000000u;
  if (number.negative) {
    if (number.overflow || number.magnitude >= kLargestNegative) return std::numeric_limits<std::int32_t>::min();
    return -static_cast<std::int32_t>(number.magnitude);
  }
  if (number.overflow || number.magnitude >= kLargestNegative) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(number.magnitude);
}

}  // namespace arborix_internal
