#include "NameText.h"

#include <cstdint>
#include <string>

namespace dossik_internal {

#if defined(_WIN32)

// Windows names are UTF-16 already.
UTF16String NameText(const std::filesystem::path& name) {
  const std::wstring& units = name.native();
  return UTF16String(units.begin(), units.end());
}

#else

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Length of the valid UTF-8 sequence starting at `at`, 0 when there is none.
std::size_t ValidSequenceLength(const std::string& bytes, std::size_t at, std::uint32_t& value) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  std::uint32_t minimum = 0;
  if (lead < 0x80) {
    value = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, minimum = 0x80, value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, minimum = 0x800, value = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, minimum = 0x10000, value = lead & 0x07u;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(at + i) & 0x3Fu);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  if (value < minimum || value > 0x10FFFF || surrogate) return 0;
  return length;
}

}  // namespace

UTF16String NameText(const std::filesystem::path& name) {
  const std::string bytes = name.native();
  UTF16String text;
  text.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size();) {
    std::uint32_t value = 0;
    const std::size_t length = ValidSequenceLength(bytes, at, value);
    if (length == 0) {
      text.push_back(kReplacement);
      ++at;
      continue;
    }
    if (value >= 0x10000) {
      value -= 0x10000;
      text.push_back(static_cast<char16_t>(0xD800 + (value >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + (value & 0x3FF)));
    } else {
      text.push_back(static_cast<char16_t>(value));
    }
    at += length;
  }
  return text;
}

#endif

}  // namespace dossik_internal
