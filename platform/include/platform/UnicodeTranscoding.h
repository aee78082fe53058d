// Lenient UTF-8 <-> UTF-16 transcoding for the edges of the suite: debugger
// output, the parser component's strings, file names, the command-line tool's
// arguments and output. Ill-formed input never fails: each byte that begins
// no well-formed UTF-8 sequence (invalid, truncated, overlong, surrogate or
// beyond U+10FFFF) and each unpaired surrogate becomes U+FFFD, and
// transcoding goes on after it.
//
// The coding itself is that of platform/utf/, which the libraries' stricter
// conversions (the decoders of Glyphwerk, UTF8to16/UTF16to8 of Arborix) share.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/utf/Utf16ToUtf8.h"
#include "platform/utf/Utf8ToUtf16.h"

namespace platform {

// Writes the UTF-16 form of `utf8` at `out`, which has room for utf8.size()
// units (UTF-16 never needs more), and returns the number of units written.
// Runs of ASCII are copied without decoding.
inline std::size_t WriteAsUTF16(std::string_view utf8, char16_t* out) {
  return utf::WriteUtf8AsUtf16<utf::IllFormedUtf8::ReplaceEachByte>(
             reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size(), out)
      .unitsWritten;
}

// The number of units WriteAsUTF16 writes for `utf8`.
inline std::size_t UTF16LengthOf(std::string_view utf8) {
  return utf::Utf16LengthOfUtf8ReplacingEachByte(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size());
}

// Appends the UTF-16 form of `utf8` to `out`.
inline void AppendAsUTF16(std::string_view utf8, std::u16string& out) {
  // Reserved once for the most it can take, and written in place.
  const std::size_t start = out.size();
  out.resize(start + utf8.size());
  out.resize(start + WriteAsUTF16(utf8, out.data() + start));
}

inline std::u16string ToUTF16(std::string_view utf8) {
  std::u16string out;
  AppendAsUTF16(utf8, out);
  return out;
}

inline std::string ToUTF8(std::u16string_view utf16) {
  std::string out;
  if (utf16.size() > out.max_size() / 3) throw std::length_error("platform::ToUTF8");
  // Sized once for the most it can take, and written in place.
  out.resize(utf16.size() * 3);
  out.resize(utf::WriteUtf16AsUtf8<utf::UnpairedSurrogate::Replace>(utf16.data(), utf16.size(), out.data()));
  return out;
}

}  // namespace platform
