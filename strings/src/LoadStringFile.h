// Loading one string file into a string table.
#pragma once

#include <cstddef>
#include <filesystem>

#include "Dossik.h"
#include "StringTable.h"
#include "UTF16String.h"

namespace Verbosa {

// Decodes the file (UTF-8, or UTF-16 / UTF-8 by its byte-order mark) through
// a buffered stream and loads it line by line. Returns the number of lines
// that held an entry. A bad line throws StringEntryError naming the file and
// the line; decoder and file-library exceptions pass through unchanged.
// Entries of the lines before a failure stay in the table.
std::size_t LoadStringFile(const File& file, StringTable& table);

// The same for text already held in a stream; `file` only names it in errors.
std::size_t LoadStringStream(IByteStream& in, const std::filesystem::path& file, StringTable& table);

// The same for decoded text. Each of CR, LF, U+2028 and U+2029 ends a line by
// itself, so CR LF leaves a blank line between them.
std::size_t LoadStringText(const UTF16String& text, const std::filesystem::path& file, StringTable& table);

}  // namespace Verbosa
