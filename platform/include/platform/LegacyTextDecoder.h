// Decoding of text in a named legacy character encoding (windows-1251,
// Shift_JIS, KOI8-R, EUC-KR, ...) into UTF-8, with the converters the
// platform itself provides: iconv on Linux, MultiByteToWideChar with a code
// page on Windows. Nothing here carries a conversion table of its own; the
// names and aliases that neither converter knows by itself are mapped to one
// it knows (see EncodingAliases.h). A listed single-byte encoding is read
// through a table of its 256 bytes, each converted on its own once per
// process, so that a letter and the mark after it stay two characters on
// every platform (no converter composes them) and no call is made per block.
//
// Decoding is strict: a byte sequence that is not a character of the
// encoding stops it, it is never replaced.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

// True when the two encoding names are the same, ASCII letters compared
// without regard to case ("shift_jis" and "Shift_JIS").
bool SameEncodingName(std::string_view a, std::string_view b);

class LegacyTextDecoder {
 public:
  // A decoder for the encoding called `encodingName` (case does not matter).
  // It is not open when the platform cannot convert that encoding or the name
  // is not a well-formed encoding name.
  explicit LegacyTextDecoder(std::string_view encodingName);
  LegacyTextDecoder(const LegacyTextDecoder&) = delete;
  LegacyTextDecoder& operator=(const LegacyTextDecoder&) = delete;
  ~LegacyTextDecoder();

  bool IsOpen() const { return state_ != nullptr; }

  // Appends the UTF-8 form of `input` to `out`. The bytes of a character
  // that `input` ends in the middle of are kept and decoded with the next
  // call; with `final` there is no next call and such bytes are invalid.
  // Returns false on the first invalid byte sequence; `out` may then hold
  // part of the text before it, and the decoder is spent. Returns false when
  // the decoder is not open.
  bool Decode(std::string_view input, bool final, std::string& out);

 private:
  struct State;
  bool DecodeThroughTable(std::string_view input, std::string& out);
  std::unique_ptr<State> state_;
};

}  // namespace platform
