// Decoding of a whole text file for `atelier decode` and the demo. The
// decoder's faults carry no data, so the report works out where the bad
// sequence starts: only a UTF-8 file can fault, and every unit decoded before
// the fault came from a well-formed sequence, which re-encodes to exactly the
// bytes it was read from. The offset is the mark's length plus the UTF-8
// length of the text decoded so far.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "Glyphwerk.h"
#include "PathArguments.h"
#include "ToolText.h"

namespace atelier {

struct DecodedTextFile {
  std::string form;   // "UTF-8", "UTF-8 with mark", "UTF-16LE with mark", "UTF-16BE with mark"
  std::string text;   // UTF-8; with a fault, everything decoded before it
  std::optional<std::string> fault;  // plain words, without the offset
  std::uint32_t faultOffset = 0;     // byte where the bad sequence starts
};

// Decodes `path` with TextToString over a buffered stream. File errors throw.
inline DecodedTextFile DecodeTextFile(const std::filesystem::path& path) {
  IPlatformByteStream file{File(path)};
  unsigned char mark[3] = {};
  const std::uint32_t markBytes = file.ReadBlock(mark, 3);
  file.SetPosition(0);
  DecodedTextFile decoded;
  std::uint32_t markLength = 0;
  if (markBytes >= 2 && mark[0] == 0xFF && mark[1] == 0xFE) {
    decoded.form = "UTF-16LE with mark";
  } else if (markBytes >= 2 && mark[0] == 0xFE && mark[1] == 0xFF) {
    decoded.form = "UTF-16BE with mark";
  } else if (markBytes == 3 && mark[0] == 0xEF && mark[1] == 0xBB && mark[2] == 0xBF) {
    decoded.form = "UTF-8 with mark";
    markLength = 3;
  } else {
    decoded.form = "UTF-8";
  }

  IBufferedByteStream in(file, 32768, 4096);
  UTF16String text;
  try {
    TextToString(in, text);
  } catch (const unexpected_eof_utf8&) {
    decoded.fault = "text ends inside a UTF-8 sequence";
  } catch (const invalid_utf8_sequence&) {
    decoded.fault = "overlong or malformed UTF-8 sequence";
  } catch (const invalid_utf8_value&) {
    decoded.fault = "UTF-8 sequence encodes a surrogate (U+D800 to U+DFFF)";
  } catch (const invalid_utf16_value&) {
    decoded.fault = "UTF-8 sequence encodes a value above U+10FFFF";
  }
  decoded.text = ToUTF8(text);
  decoded.faultOffset = markLength + static_cast<std::uint32_t>(decoded.text.size());
  return decoded;
}

// "<file>: <fault> at byte <offset>".
inline std::string DescribeFault(const std::filesystem::path& path, const DecodedTextFile& decoded) {
  return PathText(path) + ": " + decoded.fault.value_or("no fault") + " at byte " +
         std::to_string(decoded.faultOffset);
}

}  // namespace atelier
