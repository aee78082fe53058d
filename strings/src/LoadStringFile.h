// Loading one string file into a string table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <filesystem>

#include "Dossik.h"
#include "StringTable.h"
#include "UTF16String.h"

namespace Verbosa {

class StringEntryError;

// Hears what a check wants to know while a file loads. Without one, the
// loader throws at the first bad line.
class LoadObserver {
 public:
  virtual ~LoadObserver() = default;
  // A bad line; loading goes on with the next line.
  virtual void BadLine(const StringEntryError& error) = 0;
  // A named entry on editor line `line`; `added` is false when its key was
  // present already, so the entry was dropped.
  virtual void NamedEntry(const std::string& key, std::uint64_t line, bool added) = 0;
};

// Decodes the file (UTF-8, or UTF-16 / UTF-8 by its byte-order mark) through
// a buffered stream and loads it line by line. Returns the number of lines
// that held an entry. A bad line throws StringEntryError naming the file and
// the line; decoder and file-library exceptions pass through unchanged.
// Entries of the lines before a failure stay in the table.
// With an `observer`, bad lines go to it instead of being thrown.
std::size_t LoadStringFile(const File& file, StringTable& table, LoadObserver* observer = nullptr);

// The same for text already held in a stream; `file` only names it in errors.
std::size_t LoadStringStream(IByteStream& in, const std::filesystem::path& file, StringTable& table,
                             LoadObserver* observer = nullptr);

// The same for decoded text. Each of CR, LF, U+2028 and U+2029 ends a line by
// itself, so CR LF leaves a blank line between them.
std::size_t LoadStringText(const UTF16String& text, const std::filesystem::path& file, StringTable& table,
                           LoadObserver* observer = nullptr);

}  // namespace Verbosa
