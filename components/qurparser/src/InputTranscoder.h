// Documents in encodings that Expat does not read by itself (windows-1251,
// Shift_JIS, KOI8-R, EUC-KR, ...): their bytes are converted to UTF-8 by the
// platform's decoder of the encoding that the declaration names, block by
// block as they arrive, and Expat is told to read UTF-8. Documents that Expat
// reads by itself (UTF-8, UTF-16, ISO-8859-1, US-ASCII) pass through
// untouched, as do those whose encoding nobody can convert: Expat refuses
// those with its own error.
//
// Converting in front of Expat measured three to four times faster for
// multi-byte encodings than Expat's unknown-encoding hook, which calls out
// for every character, and about as fast for single-byte ones.
#pragma once

#include <memory>
#include <string>
#include <string_view>

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
  bool Active() const { return decoder_ != nullptr; }
  // Converts the document's next bytes, starting with the head given to
  // Begin, into Output. False at a byte sequence that is not valid in the
  // encoding; Output then holds the text before it, or part of that text.
  bool Convert(std::string_view bytes, bool final);
  std::string_view Output() const { return output_; }
  // Forgets the document.
  void End();

 private:
  std::unique_ptr<platform::LegacyTextDecoder> decoder_;
  std::string output_;
};

}  // namespace qur
