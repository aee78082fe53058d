/// @file
/// CheckStringFolder: reads a string folder as Init would, but into a table of
/// its own, so that a folder can be vetted without touching the process-wide
/// table. It reports instead of throwing, and goes on where Init stops: past a
/// bad line to the end of its file, and past a file that fails to the next.
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

/// A bad line, or a string file that could not be read or decoded.
struct StringFileProblem {
  std::filesystem::path file;  ///< the string file; empty when the folder itself could not be listed
  /// A StringEntryError for a bad line, otherwise the decoder's or the file
  /// library's exception.
  std::exception_ptr failure;
};

/// An entry dropped because an earlier one holds its key: the first file
/// loaded, and within a file the first line, wins.
struct ShadowedStringEntry {
  std::string key;                 ///< the key as written, leading "/" included
  std::filesystem::path file;      ///< the file of the dropped entry
  std::uint64_t line = 0;          ///< its line, as an editor counts lines, from 1
  std::filesystem::path keptFile;  ///< the file of the entry that holds the key
  std::uint64_t keptLine = 0;      ///< its line, counted the same way
};

/// What CheckStringFolder found in a string folder.
struct StringFolderCheck {
  std::size_t files = 0;    ///< string files read to their end without a problem
  std::size_t entries = 0;  ///< lines of the files read that hold an entry, named or numeric
  std::size_t keys = 0;     ///< distinct named keys among them
  /// The file being read at the first problem, the one that would end Init;
  /// empty when there was no problem or the folder itself could not be listed.
  std::filesystem::path failedFile;
  /// What the first problem threw. Null when there was no problem.
  std::exception_ptr failure;
  /// Every problem, in the order the files and lines were read.
  std::vector<StringFileProblem> problems;
  /// Every entry dropped because an earlier one holds its key, in the order read.
  std::vector<ShadowedStringEntry> shadowed;
  /// Files that Init skips although their extension is ".str" in another
  /// case (".STR", ".Str"): the extension is compared exactly.
  std::vector<std::filesystem::path> skipped;
};

/// Reads every string file of `folder` into a table of its own, as Init would
/// into the process-wide one, and reports what it found. A failure goes into
/// the result instead of being thrown.
VERBOSA_EXPORT StringFolderCheck CheckStringFolder(const Dir& folder);

}  // namespace Verbosa
