// Reads an image from arbitrary bytes. Whatever the bytes, reading either
// succeeds, and writing the image back gives exactly the bytes it consumed, or
// fails with the stream's or the size check's exception and leaves no
// registration behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "PixmoraUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IMemoryByteStream in(data, size);
  PmImage image(PmPoint{1, 1});
  bool refused = false;
  try {
    in >> image;
  } catch (const StoredImageSizeError&) {
    refused = true;
  } catch (const EndOfDataError&) {
    refused = true;
  }
  // A refused or cut-off image leaves the image as it was.
  if (refused && image.GetSize() != PmPoint{1, 1}) std::abort();
  if (image.ClientCount() != 0) std::abort();
  if (in.GetPosition() == 8 + 4 * image.ElementCount()) {
    OMemoryByteStream out;
    out << image;
    if (out.Bytes().size() != in.GetPosition() || std::memcmp(out.Bytes().data(), data, out.Bytes().size()) != 0) {
      std::abort();
    }
  }
  return 0;
}
