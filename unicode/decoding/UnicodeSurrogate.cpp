#include "glyphwerk/TextDecoding.h"
#include "platform/utf/Utf16Units.h"

UnicodeSurrogateT UnicodeSurrogate(char16_t unit) {
  if (platform::utf::IsHighSurrogate(unit)) return HighSurrogate;
  return platform::utf::IsLowSurrogate(unit) ? LowSurrogate : NotSurrogate;
}
