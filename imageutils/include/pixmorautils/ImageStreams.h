// The stored form of points, pixels and images in the file library's byte
// streams. There is no header of any kind; integers use the file library's
// byte order.
//
//   point  (8 bytes)      x, then y, each a signed 32-bit integer
//   pixel  (4 bytes)      bits 16-23, 8-15, 0-7, then 24-31, one byte each
//   image  (8 + 4n bytes) its size as a point (width, height), then its
//                         width x height pixels in iterator order, row by row
//
// Every operator returns its stream. Failures of the stream (a stream that ends
// early, say) pass through as the file library's exceptions, after every
// iterator taken was released.
#pragma once

#include <stdexcept>
#include <string>

#include "Dossik.h"
#include "Pixmora.h"
#include "PixmoraUtilsExport.h"

// Thrown when a stored image size cannot be an image's: a negative side, more
// pixels than a byte stream can hold (4 GiB - 1 bytes), or more pixels than
// the rest of a stream of known length holds. The image is left as it was.
class PIXMORAUTILS_EXPORT StoredImageSizeError : public std::runtime_error {
 public:
  StoredImageSizeError(const std::string& message, const PmPoint& size);
  const PmPoint& Size() const noexcept { return size_; }

 private:
  PmPoint size_;
};

PIXMORAUTILS_EXPORT OByteStream& operator<<(OByteStream& out, const PmPoint& point);
// Reads x straight into the point, then y: when y cannot be read the point
// keeps the new x.
PIXMORAUTILS_EXPORT IByteStream& operator>>(IByteStream& in, PmPoint& point);

PIXMORAUTILS_EXPORT OByteStream& operator<<(OByteStream& out, const PmImagePixel& pixel);
// Stores the pixel only once all four bytes were read.
PIXMORAUTILS_EXPORT IByteStream& operator>>(IByteStream& in, PmImagePixel& pixel);

PIXMORAUTILS_EXPORT OByteStream& operator<<(OByteStream& out, const PmImage& image);
// Reads the size, gives the image that size (ReInit without keeping pixels)
// and reads its pixels in iterator order. When the size cannot be read, or
// is refused (StoredImageSizeError), the image is untouched; when a pixel
// cannot be read, the image keeps the new size and the pixels read before.
PIXMORAUTILS_EXPORT IByteStream& operator>>(IByteStream& in, PmImage& image);
