// Arbitrary bytes as a PNG file of the atelier tool, read both as true colour
// and as palette indices. A damaged file is refused with std::runtime_error;
// anything else escaping, or a sanitizer report, is a finding. An image read
// has exactly the pixels of the size it reports.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "PngFiles.h"

namespace {

template <class Read>
void ReadAs(const std::uint8_t* data, std::size_t size, Read read) {
  IMemoryByteStream in(data, size);
  try {
    const auto picture = read(in);
    const PmPoint extent = picture.GetSize();
    if (picture.ElementCount() != static_cast<std::size_t>(extent.x) * static_cast<std::size_t>(extent.y)) {
      std::abort();
    }
  } catch (const std::runtime_error&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ReadAs(data, size, [](IByteStream& in) { return atelier::ReadTrueColorPng(in, "fuzz.png"); });
  ReadAs(data, size, [](IByteStream& in) { return atelier::ReadIndexedPng(in, "fuzz.png").matte; });
  return 0;
}
