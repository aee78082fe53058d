#include <cstddef>
#include <cstdint>
#include <vector>

#include "StoredImageSize.h"
#include "pixmorautils/ImageStreams.h"

StoredImageSizeError::StoredImageSizeError(const std::string& message, const PmPoint& size)
    : std::runtime_error(message), size_(size) {}

StoredImageTooShortError::StoredImageTooShortError(const std::string& message, const PmPoint& size)
    : message_(message), size_(size) {}

StoredImageTooShortError::~StoredImageTooShortError() = default;

const char* StoredImageTooShortError::what() const noexcept { return message_.what(); }

OByteStream& operator<<(OByteStream& out, const PmPoint& point) { return out << point.x << point.y; }

IByteStream& operator>>(IByteStream& in, PmPoint& point) { return in >> point.x >> point.y; }

OByteStream& operator<<(OByteStream& out, const PmImagePixel& pixel) {
  const std::uint32_t value = pixel;
  return out << static_cast<unsigned char>(value >> 16) << static_cast<unsigned char>(value >> 8)
             << static_cast<unsigned char>(value) << static_cast<unsigned char>(value >> 24);
}

IByteStream& operator>>(IByteStream& in, PmImagePixel& pixel) {
  unsigned char high = 0, middle = 0, low = 0, top = 0;
  in >> high >> middle >> low >> top;
  pixel = PmImagePixel{static_cast<std::uint32_t>(top) << 24 | static_cast<std::uint32_t>(high) << 16 |
                       static_cast<std::uint32_t>(middle) << 8 | low};
  return in;
}

namespace {

// Reads `count` pixels. A stream of known length was found to hold them all,
// so their storage is made at once; for one that cannot tell, it grows as
// the pixels arrive, and a claimed size costs nothing the stream does not
// deliver.
std::vector<PmImagePixel> ReadPixels(IByteStream& in, std::size_t count) {
  std::vector<PmImagePixel> pixels;
  if (in.GetLength() != 0) pixels.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    PmImagePixel pixel;
    in >> pixel;
    pixels.push_back(pixel);
  }
  return pixels;
}

}  // namespace

// The loops step the begin iterator itself, so that each call holds exactly
// two registrations; leaving the scope releases the end, then the begin.

OByteStream& operator<<(OByteStream& out, const PmImage& image) {
  out << image.GetSize();
  auto pixel = image.begin();
  const auto end = image.end();
  for (; pixel != end; ++pixel) out << *pixel;
  return out;
}

IByteStream& operator>>(IByteStream& in, PmImage& image) {
  PmPoint size{0, 0};
  in >> size;
  pixmorautils_internal::RequirePlausibleImageSize(size, in);
  const std::vector<PmImagePixel> pixels = ReadPixels(in, PmElementCount(size));
  image.ReInit(size, false, nullptr);
  auto pixel = image.begin();
  const auto end = image.end();
  for (auto value = pixels.begin(); pixel != end; ++pixel, ++value) *pixel = *value;
  return in;
}
