// Strict decoding of text for `atelier decode`, `atelier case` and the demo:
// the tool prints text as it was given or refuses it, never a replacement.
// The decoder's faults carry no data, so the report works out where the bad
// sequence starts: every unit decoded before a UTF-8 fault came from a
// well-formed sequence, which re-encodes to exactly the bytes it was read
// from, so the offset is the mark's length plus the UTF-8 length of the text
// decoded so far. In UTF-16 an unpaired surrogate is the fault, two bytes per
// unit from the mark. UTF-32, recognised by its byte-order mark, is refused.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Dossik.h"
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

// The index of the first surrogate in `text` that is not half of a pair, or
// the text's length when there is none.
inline std::size_t FirstUnpairedSurrogate(const UTF16String& text) {
  for (std::size_t index = 0; index < text.size(); ++index) {
    const UnicodeSurrogateT kind = UnicodeSurrogate(text[index]);
    if (kind == LowSurrogate) return index;
    if (kind == HighSurrogate) {
      if (index + 1 == text.size() || UnicodeSurrogate(text[index + 1]) != LowSurrogate) return index;
      ++index;
    }
  }
  return text.size();
}

// Decodes UTF-8 from `in` into `decoded`, which already holds the mark's form;
// a fault is recorded, with its offset counted from `markLength`.
inline void DecodeUTF8(IByteStream& in, std::uint32_t markLength, DecodedTextFile& decoded) {
  UTF16String text;
  try {
    UTF8ToString(in, text);
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
}

// Decodes the whole of `file`, a stream that stands at its start and can be
// set back to it, as TextToString would, but refusing what it would not
// refuse: UTF-32 and unpaired surrogates in UTF-16.
inline DecodedTextFile DecodeText(IByteStream& file) {
  unsigned char mark[4] = {};
  const std::uint32_t markBytes = file.ReadBlock(mark, 4);
  file.SetPosition(0);
  DecodedTextFile decoded;
  const bool utf32LE = markBytes == 4 && mark[0] == 0xFF && mark[1] == 0xFE && mark[2] == 0 && mark[3] == 0;
  const bool utf32BE = markBytes == 4 && mark[0] == 0 && mark[1] == 0 && mark[2] == 0xFE && mark[3] == 0xFF;
  if (utf32LE || utf32BE) {
    decoded.form = utf32LE ? "UTF-32LE with mark" : "UTF-32BE with mark";
    decoded.fault = std::string(utf32LE ? "UTF-32LE" : "UTF-32BE") + " byte-order mark (UTF-32 is not read)";
    return decoded;
  }
  IBufferedByteStream in(file, 32768, 4096);
  const bool utf16LE = markBytes >= 2 && mark[0] == 0xFF && mark[1] == 0xFE;
  const bool utf16BE = markBytes >= 2 && mark[0] == 0xFE && mark[1] == 0xFF;
  if (utf16LE || utf16BE) {
    decoded.form = utf16LE ? "UTF-16LE with mark" : "UTF-16BE with mark";
    UTF16String text;
    TextToString(in, text);
    const std::size_t unpaired = FirstUnpairedSurrogate(text);
    if (unpaired < text.size()) {
      char unit[8];
      std::snprintf(unit, sizeof unit, "%04X", static_cast<unsigned>(text[unpaired]));
      decoded.fault = std::string("unpaired surrogate U+") + unit;
      decoded.faultOffset = 2 + 2 * static_cast<std::uint32_t>(unpaired);
      text.resize(unpaired);
    }
    decoded.text = ToUTF8(text);
    return decoded;
  }
  const bool utf8Mark = markBytes >= 3 && mark[0] == 0xEF && mark[1] == 0xBB && mark[2] == 0xBF;
  decoded.form = utf8Mark ? "UTF-8 with mark" : "UTF-8";
  if (utf8Mark) in.SetPosition(3);
  DecodeUTF8(in, utf8Mark ? 3 : 0, decoded);
  return decoded;
}

// Decodes the file `path`. File errors throw.
inline DecodedTextFile DecodeTextFile(const std::filesystem::path& path) {
  IPlatformByteStream file{File(path)};
  return DecodeText(file);
}

// "<name>: <fault> at byte <offset>".
inline std::string DescribeFault(const std::string& name, const DecodedTextFile& decoded) {
  return name + ": " + decoded.fault.value_or("no fault") + " at byte " + std::to_string(decoded.faultOffset);
}

}  // namespace atelier
