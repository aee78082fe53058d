#include <cstdint>
#include <cstring>

#include "arborix/UTFConversion.h"

namespace {

// Trailing bytes announced by a lead byte. Leads 80-BF announce none and are
// then rejected as leads; F8-FF announce four or five and are always rejected.
std::size_t TrailingByteCount(unsigned lead) {
  if (lead < 0xC0) return 0;
  if (lead < 0xE0) return 1;
  if (lead < 0xF0) return 2;
  if (lead < 0xF8) return 3;
  if (lead < 0xFC) return 4;
  return 5;
}

bool IsContinuation(unsigned byte) { return byte >= 0x80 && byte <= 0xBF; }

// Rejects overlong forms, code points above U+10FFFF, stray continuation
// bytes and five or six byte forms.
bool IsWellFormed(const unsigned char* sequence, std::size_t trailing) {
  const unsigned lead = sequence[0];
  if (trailing > 3) return false;
  for (std::size_t i = 2; i <= trailing; ++i) {
    if (!IsContinuation(sequence[i])) return false;
  }
  if (trailing >= 1) {
    const unsigned second = sequence[1];
    if (second > 0xBF) return false;
    switch (lead) {
      case 0xE0:
        if (second < 0xA0) return false;
        break;
      case 0xF0:
        if (second < 0x90) return false;
        break;
      case 0xF4:
        if (second < 0x80 || second > 0x8F) return false;
        break;
      default:
        if (second < 0x80) return false;
    }
  }
  return !(lead >= 0x80 && lead <= 0xC1) && lead <= 0xF4;
}

std::uint32_t CodePointOf(const unsigned char* sequence, std::size_t trailing) {
  static constexpr unsigned kLeadBits[] = {0x7F, 0x1F, 0x0F, 0x07};
  std::uint32_t codePoint = sequence[0] & kLeadBits[trailing];
  for (std::size_t i = 1; i <= trailing; ++i) {
    codePoint = (codePoint << 6) | (sequence[i] & 0x3Fu);
  }
  return codePoint;
}

bool StartsWithEightAsciiBytes(const unsigned char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return (word & 0x8080808080808080ull) == 0;
}

}  // namespace

UTF16String UTF8to16(const std::string& utf8) {
  UTF16String result;
  if (utf8.empty()) {
    return result;
  }
  // One code unit per byte is always enough: no sequence yields more units
  // than it has bytes.
  result.resize(utf8.size());
  const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t size = utf8.size();
  char16_t* out = result.data();
  std::size_t i = 0;
  while (i < size) {
    while (size - i >= 8 && StartsWithEightAsciiBytes(bytes + i)) {
      for (std::size_t k = 0; k < 8; ++k) {
        out[k] = bytes[i + k];
      }
      out += 8;
      i += 8;
    }
    while (i < size && bytes[i] < 0x80) {
      *out++ = bytes[i++];
    }
    if (i == size) {
      break;
    }
    const unsigned lead = bytes[i];
    // Two-byte sequences (Latin, Greek, Cyrillic, ...) skip the general
    // checks: C2-DF followed by a continuation byte is always well formed.
    if (lead >= 0xC2 && lead <= 0xDF && i + 1 < size && IsContinuation(bytes[i + 1])) {
      *out++ = static_cast<char16_t>(((lead & 0x1Fu) << 6) | (bytes[i + 1] & 0x3Fu));
      i += 2;
      continue;
    }
    const std::size_t trailing = TrailingByteCount(lead);
    if (i + trailing >= size || !IsWellFormed(bytes + i, trailing)) {
      break;
    }
    const std::uint32_t codePoint = CodePointOf(bytes + i, trailing);
    if (codePoint > 0xFFFF) {
      *out++ = static_cast<char16_t>(((codePoint - 0x10000) >> 10) + 0xD800);
      *out++ = static_cast<char16_t>(((codePoint - 0x10000) & 0x3FF) + 0xDC00);
    } else {
      *out++ = static_cast<char16_t>(codePoint);
    }
    i += trailing + 1;
  }
  result.resize(static_cast<std::size_t>(out - result.data()));
  return result;
}
