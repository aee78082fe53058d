/// @file
/// The stored form of points, pixels and images in the file library's byte
/// streams. There is no header of any kind; integers use the file library's
/// byte order.
///
/// ```
///   point  (8 bytes)      x, then y, each a signed 32-bit integer
///   pixel  (4 bytes)      bits 16-23, 8-15, 0-7, then 24-31, one byte each
///   image  (8 + 4n bytes) its size as a point (width, height), then its
///                         width x height pixels in iterator order, row by row
/// ```
///
/// Every operator returns its stream. Failures of the stream (a stream that ends
/// early, say) pass through as the file library's exceptions, after every
/// iterator taken was released.
#pragma once

#include <stdexcept>
#include <string>

#include "Dossik.h"
#include "Pixmora.h"
#include "PixmoraUtilsExport.h"

/// Thrown when a stored image size cannot be an image's: a negative side, or
/// more pixels than a byte stream can hold (4 GiB - 1 bytes). The image is
/// left as it was.
class PIXMORAUTILS_EXPORT StoredImageSizeError : public std::runtime_error {
 public:
  /// An error whose what() is `message`, about the stored size `size`.
  StoredImageSizeError(const std::string& message, const PmPoint& size);
  /// The size as it was stored (width as x, height as y).
  const PmPoint& Size() const noexcept { return size_; }

 private:
  PmPoint size_;
};

/// Thrown when the rest of a stream of known length holds fewer pixels than
/// the stored size needs: the end of the data, found before reading on, so a
/// caller catches it as the file library's EndOfDataError too. what() says
/// how many bytes were needed and how many the stream holds. The image is left
/// as it was.
class PIXMORAUTILS_EXPORT StoredImageTooShortError : public EndOfDataError {
 public:
  /// An error whose what() is `message`, about the stored size `size`.
  StoredImageTooShortError(const std::string& message, const PmPoint& size);
  ~StoredImageTooShortError() override;
  /// The message given at construction.
  const char* what() const noexcept override;
  /// The size as it was stored (width as x, height as y).
  const PmPoint& Size() const noexcept { return size_; }

 private:
  std::runtime_error message_;  ///< copies without allocating, as an exception must
  PmPoint size_;
};

/// Writes the stored form of `point`: x, then y.
PIXMORAUTILS_EXPORT OByteStream& operator<<(OByteStream& out, const PmPoint& point);
/// Reads x straight into the point, then y: when y cannot be read the point
/// keeps the new x.
PIXMORAUTILS_EXPORT IByteStream& operator>>(IByteStream& in, PmPoint& point);

/// Writes the four bytes of `pixel`: bits 16-23, 8-15, 0-7, then 24-31.
PIXMORAUTILS_EXPORT OByteStream& operator<<(OByteStream& out, const PmImagePixel& pixel);
/// Stores the pixel only once all four bytes were read.
PIXMORAUTILS_EXPORT IByteStream& operator>>(IByteStream& in, PmImagePixel& pixel);

/// Writes the size of `image` as a point, then its pixels in iterator order.
PIXMORAUTILS_EXPORT OByteStream& operator<<(OByteStream& out, const PmImage& image);
/// Reads the size, then all the pixels, and only then gives the image that
/// size (ReInit without keeping pixels) and those pixels in iterator order.
/// When the size cannot be read or is refused (StoredImageSizeError,
/// StoredImageTooShortError), or a pixel cannot be read, the image is
/// untouched. Pixels are held in storage that grows as they arrive, so a short
/// stream that cannot tell its length costs no more than it holds.
PIXMORAUTILS_EXPORT IByteStream& operator>>(IByteStream& in, PmImage& image);
