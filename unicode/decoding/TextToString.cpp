#include "ByteCursor.h"
#include "glyphwerk/TextDecoding.h"

namespace {

enum class Mark { None, Utf16BigEndian, Utf16LittleEndian, Utf8 };

// Reads the mark's bytes: two, and a third only when they are no UTF-16 mark.
// A stream that ends before then holds no mark, for text of one or two bytes
// is still text. A read that fails before the length the stream reports is
// no end, and passes on.
Mark ReadMark(IByteStream& in, std::uint32_t start) {
  std::uint32_t read = 0;
  try {
    const unsigned char first = in.ReadByte();
    ++read;
    const unsigned char second = in.ReadByte();
    ++read;
    if (first == 0xFE && second == 0xFF) return Mark::Utf16BigEndian;
    if (first == 0xFF && second == 0xFE) return Mark::Utf16LittleEndian;
    const unsigned char third = in.ReadByte();
    if (first == 0xEF && second == 0xBB && third == 0xBF) return Mark::Utf8;
  } catch (...) {
    if (glyphwerk_internal::FailedBeforeReportedEnd(in, start + read)) throw;
  }
  return Mark::None;
}

}  // namespace

void TextToString(IByteStream& in, UTF16String& out) {
  const std::uint32_t start = in.GetPosition();
  switch (ReadMark(in, start)) {
    case Mark::Utf16BigEndian:
      UTF16BEToString(in, out);
      return;
    case Mark::Utf16LittleEndian:
      UTF16LEToString(in, out);
      return;
    case Mark::Utf8:
      UTF8ToString(in, out);
      return;
    case Mark::None:
      in.SetPosition(start);
      UTF8ToString(in, out);
      return;
  }
}
