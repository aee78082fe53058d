// ParseStringEntry: one line of a string file.
//
// A line is blank, a comment ("#" as its first non-blank), or an entry: a
// named key ("/" then letters, digits, "_" and "/", followed by a blank) or a
// numeric key (digits, 1 to 2147483647), then a double-quoted value with the
// escapes \" \\ \t \a \b and \n (which yields CR LF), then optionally blanks
// and a comment. Only tab and space are blanks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "UTF16String.h"

namespace Verbosa {

struct StringEntry {
  std::string key;              // the named key, leading "/" included; empty for a numeric key
  std::int32_t numericKey = 0;  // the numeric key; 0 for a named key
  UTF16String text;

  bool IsNamed() const noexcept { return !key.empty(); }
};

// Parses text[start, end), which holds no line break. Returns the entry, or
// nothing for a blank line, a comment, or a value whose closing quote is
// missing before the end of the line. A malformed line throws
// std::invalid_argument with one of the fixed "bad string entry - ..."
// messages; the first rule the line breaks decides which.
std::optional<StringEntry> ParseStringEntry(const UTF16String& text, std::size_t start, std::size_t end);

}  // namespace Verbosa
