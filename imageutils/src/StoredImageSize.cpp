#include "StoredImageSize.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <string>

#include "pixmorautils/ImageStreams.h"

namespace pixmorautils_internal {
namespace {

// Numbers are formatted with snprintf: std::to_string would give this library
// unique symbols of the standard library, and a library holding those can
// never be unloaded.
std::string Describe(const PmPoint& size) {
  char text[64];
  std::snprintf(text, sizeof text, "stored image size %" PRId32 " x %" PRId32, size.x, size.y);
  return text;
}

std::string Decimal(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%" PRIu64, value);
  return text;
}

}  // namespace

void RequirePlausibleImageSize(const PmPoint& size, const IByteStream& in) {
  if (size.x < 0 || size.y < 0) throw StoredImageSizeError(Describe(size) + " has a negative side", size);
  // Both sides are below 2^31, so the product cannot overflow 64 bits.
  const std::uint64_t pixelBytes = 4 * (static_cast<std::uint64_t>(size.x) * static_cast<std::uint64_t>(size.y));
  constexpr std::uint64_t kLargestStream = UINT32_MAX;
  if (pixelBytes > kLargestStream - sizeof(PmPoint)) {
    throw StoredImageSizeError(Describe(size) + " has more pixels than a byte stream can hold", size);
  }
  // A length of 0 means the stream cannot tell; then only reading shows.
  const std::uint32_t length = in.GetLength();
  const std::uint32_t position = in.GetPosition();
  const std::uint64_t remaining = length > position ? length - position : 0;
  if (length != 0 && pixelBytes > remaining) {
    throw StoredImageTooShortError(Describe(size) + " needs " + Decimal(pixelBytes) +
                                       " bytes of pixels, but the stream holds only " + Decimal(remaining),
                                   size);
  }
}

}  // namespace pixmorautils_internal
