#include "glyphwerk/TextDecoding.h"

UnicodeSurrogateT UnicodeSurrogate(char16_t unit) {
  if (unit < 0xD800 || unit > 0xDFFF) return NotSurrogate;
  return unit <= 0xDBFF ? HighSurrogate : LowSurrogate;
}
