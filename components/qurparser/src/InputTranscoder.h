// Documents in encodings that Expat does not read by itself (windows-1251,
// Shift_JIS, KOI8-R, EUC-KR, ...): their bytes are converted to UTF-8 by the
// platform's decoder of the encoding that the declaration names, block by
// block as they arrive, and Expat is told to read UTF-8. Documents that Expat
// reads by itself (UTF-8, UTF-16, ISO-8859-1, US-ASCII) pass through
// untouched, as do those whose encoding nobody can convert: Expat refuses
// those with its own error.
//
// One exception: a document in UTF-16 (a byte-order mark, or a 0 byte
// among its first two) is converted to UTF-8 whatever its declaration says:
// the declaration of a text handed over as UTF-16 cannot be trusted to name
// it, and Expat reading UTF-16 itself would let an unpaired surrogate take
// the unit after it. Expat reads UTF-8 about a third faster than UTF-16.
//
// Converting in front of Expat measured three to four times faster for
// multi-byte encodings than Expat's unknown-encoding hook, which calls out
// for every character, and about as fast for single-byte ones.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ErrorCatalogue.h"
#include "UTF16InputConverter.h"
#include "platform/LegacyTextDecoder.h"

namespace qur {

class InputTranscoder {
 public:
  enum class Start {
    NeedMoreBytes,  // the declaration may not be complete yet
    AsIs,           // Expat reads the bytes as they are
    Transcode,      // Expat reads the output of Convert, as UTF-8
  };

  // Decides from the first bytes of a document (`final`: the whole of it)
  // how Expat reads it. The declared encoding is converted only when its
  // decoder reads the declaration itself unchanged: an encoding that does not
  // write ASCII as ASCII cannot be the one the declaration is written in.
  Start Begin(std::string_view head, bool final);
  bool Active() const { return decoder_ != nullptr || utf16_; }
  // Converts the document's next bytes, starting with the head given to
  // Begin, into Output. False at a byte sequence that is not valid in the
  // encoding (UTF-16: at a unit cut off by the end); Output then holds the
  // text before it, or part of that text.
  // UTF-16 text is written at `destination` when it is given, which has room
  // for three bytes for every two given, and nine more.
  bool Convert(std::string_view bytes, bool final, char* destination = nullptr);
  // The fault of the bytes Convert stopped at. A UTF-16 unit cut off by the
  // end is a partial character; bytes of any other encoding are undecodable.
  CatalogueEntry Fault() const;
  std::string_view Output() const { return utf16_ ? utf16Converter_.Output() : std::string_view(output_); }
  // Forgets the document.
  void End();

 private:
  std::unique_ptr<platform::LegacyTextDecoder> decoder_;
  std::string output_;
  bool utf16_ = false;
  UTF16InputConverter utf16Converter_;
};

}  // namespace qur
