#include "DecodeStream.h"
#include "Utf16Units.h"
#include "glyphwerk/TextDecoding.h"

using glyphwerk_internal::ByteOrder;

void UTF16LEToString(IByteStream& in, UTF16String& out) {
  glyphwerk_internal::DecodeStream(in, out, glyphwerk_internal::DecodeUtf16Pairs<ByteOrder::LittleEndian>,
                                   glyphwerk_internal::DecodeUtf16Unit<ByteOrder::LittleEndian>);
}

void UTF16BEToString(IByteStream& in, UTF16String& out) {
  glyphwerk_internal::DecodeStream(in, out, glyphwerk_internal::DecodeUtf16Pairs<ByteOrder::BigEndian>,
                                   glyphwerk_internal::DecodeUtf16Unit<ByteOrder::BigEndian>);
}
