// The single-byte encodings as tables of 256 characters. Each byte is
// converted on its own by the platform's converter, once per encoding and
// process: converters that compose a letter and the mark after it into one
// presentation form (glibc does for windows-1255 and windows-1258, Windows
// does not) then give the same characters on every platform, as the bytes
// stand, and decoding costs a table lookup per byte instead of a call.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "EncodingAliases.h"

namespace platform::internal {

class SingleByteTable {
 public:
  // Converts each byte of `encoding` on its own. A byte the converter
  // refuses is no character of the encoding.
  explicit SingleByteTable(const KnownEncoding& encoding);

  // False when the platform could not convert the encoding at all.
  bool IsUsable() const { return usable_; }

  // Appends the UTF-8 form of each byte of `input` to `out`. Returns false at
  // the first byte that is no character of the encoding; `out` then holds
  // the text before it.
  bool Decode(std::string_view input, std::string& out) const;

 private:
  bool usable_ = false;
  std::array<std::string, 256> characters_;  // UTF-8; empty for a byte that is no character
  std::array<bool, 256> defined_{};
};

// The table of `encoding`, made the first time any thread asks for it and
// kept for the life of the process. Null when the encoding is not a
// single-byte one, or the platform cannot convert it.
const SingleByteTable* SingleByteTableFor(const KnownEncoding& encoding);

}  // namespace platform::internal
