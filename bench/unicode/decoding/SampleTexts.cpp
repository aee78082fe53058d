#include "SampleTexts.h"

#include <cstdint>

namespace decodingbench {

namespace {

constexpr std::size_t kTargetBytes = 1 << 20;

std::string Repeat(const std::string& paragraph) {
  std::string text;
  text.reserve(kTargetBytes + paragraph.size());
  while (text.size() < kTargetBytes) text += paragraph;
  return text;
}

// UTF-8 to UTF-16LE for well-formed input, to derive the UTF-16 sample.
std::string ToUtf16LE(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::uint32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) value = (value << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += static_cast<std::size_t>(length);
    auto put = [&out](std::uint32_t unit) {
      out.push_back(static_cast<char>(unit & 0xFF));
      out.push_back(static_cast<char>(unit >> 8));
    };
    if (value >= 0x10000) {
      value -= 0x10000;
      put(0xD800 + (value >> 10));
      put(0xDC00 + (value & 0x3FF));
    } else {
      put(value);
    }
  }
  return out;
}

}  // namespace

const std::string& AsciiHeavyUtf8() {
  static const std::string text = Repeat(
      "The settings file is read once at start-up. Each string file of the folder is decoded, split into lines "
      "and entered into the table; a caf\xC3\xA9 menu, a na\xC3\xAFve r\xC3\xA9sum\xC3\xA9 and a plain list of "
      "commands all pass the same way. When a line is malformed, loading stops and the caller is told which "
      "file and which line failed, so that the translator can fix it before the next build.\n");
  return text;
}

const std::string& MixedScriptUtf8() {
  static const std::string text = Repeat(
      "Datei \xC3\xB6" "ffnen \xE2\x80\x94 "
      "\xD0\x9E\xD1\x82\xD0\xBA\xD1\x80\xD1\x8B\xD1\x82\xD1\x8C \xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB "
      "\xCE\x86\xCE\xBD\xCE\xBF\xCE\xB9\xCE\xB3\xCE\xBC\xCE\xB1 \xCE\xB1\xCF\x81\xCF\x87\xCE\xB5\xCE\xAF\xCE\xBF\xCF\x85 "
      "\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB\xE3\x82\x92\xE9\x96\x8B\xE3\x81\x8F "
      "\xE6\x89\x93\xE5\xBC\x80\xE6\x96\x87\xE4\xBB\xB6 \xF0\x9F\x93\x82 "
      "\xD0\xA1\xD0\xBE\xD1\x85\xD1\x80\xD0\xB0\xD0\xBD\xD0\xB8\xD1\x82\xD1\x8C \xD0\xBA\xD0\xB0\xD0\xBA\xE2\x80\xA6 "
      "\xE5\x90\x8D\xE5\x89\x8D\xE3\x82\x92\xE4\xBB\x98\xE3\x81\x91\xE3\x81\xA6\xE4\xBF\x9D\xE5\xAD\x98 "
      "\xCE\x91\xCF\x80\xCE\xBF\xCE\xB8\xCE\xAE\xCE\xBA\xCE\xB5\xCF\x85\xCF\x83\xCE\xB7 \xF0\x9F\x92\xBE\n");
  return text;
}

const std::string& MixedScriptUtf16LE() {
  static const std::string text = ToUtf16LE(MixedScriptUtf8());
  return text;
}

}  // namespace decodingbench
