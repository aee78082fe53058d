#include "DecodeStream.h"
#include "Utf8Sequence.h"
#include "WellFormedUtf8.h"
#include "glyphwerk/TextDecoding.h"

void UTF8ToString(IByteStream& in, UTF16String& out) {
  glyphwerk_internal::DecodeStream(in, out, glyphwerk_internal::DecodeWellFormedUtf8,
                                   glyphwerk_internal::DecodeUtf8Sequence);
}
