// CheckStringFolder: reads a string folder as Init would, but into a table of
// its own, so that a folder can be vetted without touching the process-wide
// table. It reports instead of throwing, and goes on where Init stops: past a
// bad line to the end of its file, and past a file that fails to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "Dossik.h"
#include "VerbosaExport.h"

namespace Verbosa {

// A bad line, or a string file that could not be read or decoded.
struct StringFileProblem {
  std::filesystem::path file;
  // A StringEntryError for a bad line, otherwise the decoder's or the file
  // library's exception.
  std::exception_ptr failure;
};

// An entry dropped because an earlier one holds its key: the first file
// loaded, and within a file the first line, wins.
struct ShadowedStringEntry {
  std::string key;
  std::filesystem::path file;  // the dropped entry's place
  std::uint64_t line = 0;      // editor lines, 1-based
  std::filesystem::path keptFile;  // the place of the entry that holds the key
  std::uint64_t keptLine = 0;
};

struct StringFolderCheck {
  std::size_t files = 0;    // string files read to their end without a problem
  std::size_t entries = 0;  // lines of the files read that hold an entry, named or numeric
  std::size_t keys = 0;     // distinct named keys among them
  // The first problem, the one that would end Init: the file being read
  // (empty when the folder itself could not be listed) ...
  std::filesystem::path failedFile;
  // ... and what was thrown. Null when there was no problem.
  std::exception_ptr failure;
  // Every problem, in the order the files and lines were read.
  std::vector<StringFileProblem> problems;
  std::vector<ShadowedStringEntry> shadowed;
  // Files that Init skips although their extension is ".str" in another
  // case (".STR", ".Str"): the extension is compared exactly.
  std::vector<std::filesystem::path> skipped;
};

VERBOSA_EXPORT StringFolderCheck CheckStringFolder(const Dir& folder);

}  // namespace Verbosa
