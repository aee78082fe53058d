#include "arborix/UTFConversion.h"
#include "platform/utf/Utf8ToUtf16.h"

// Conversion stops at the first sequence that is truncated or not well formed;
// an encoded surrogate (ED A0-BF 80-BF) is no reason to stop, and becomes its unit.
UTF16String UTF8to16(const std::string& utf8) {
  UTF16String result;
  if (utf8.empty()) {
    return result;
  }
  // One code unit per byte is always enough: no sequence yields more units
  // than it has bytes.
  result.resize(utf8.size());
  const platform::utf::Utf8ToUtf16Counts counts =
      platform::utf::WriteUtf8AsUtf16<platform::utf::IllFormedUtf8::StopKeepingSurrogates>(
          reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size(), result.data());
  result.resize(counts.unitsWritten);
  return result;
}
