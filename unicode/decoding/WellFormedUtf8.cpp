#include "WellFormedUtf8.h"

#include "platform/utf/Utf8ToUtf16.h"

namespace glyphwerk_internal {

std::uint32_t DecodeWellFormedUtf8(std::span<const unsigned char> bytes, UnitWriter& out) {
  // No sequence yields more units than it has bytes.
  char16_t* const units = out.Reserve(bytes.size());
  const platform::utf::Utf8ToUtf16Counts counts =
      platform::utf::WriteUtf8AsUtf16<platform::utf::IllFormedUtf8::Stop>(bytes.data(), bytes.size(), units);
  out.Commit(counts.unitsWritten);
  return static_cast<std::uint32_t>(counts.bytesRead);
}

}  // namespace glyphwerk_internal
