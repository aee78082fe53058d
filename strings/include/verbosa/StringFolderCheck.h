// CheckStringFolder: reads a string folder exactly as Init would, but into a
// table of its own, so that a folder can be vetted without touching the
// process-wide table. It reports instead of throwing.
#pragma once

#include <cstddef>
#include <exception>
#include <filesystem>

#include "Dossik.h"
#include "VerbosaExport.h"

namespace Verbosa {

struct StringFolderCheck {
  std::size_t files = 0;    // string files read to their end
  std::size_t entries = 0;  // lines of those files that hold an entry, named or numeric
  std::size_t keys = 0;     // distinct named keys among them
  // The file being read when the check stopped (empty when every file was
  // read, or when the folder itself could not be listed) ...
  std::filesystem::path failedFile;
  // ... and what was thrown: a StringEntryError for a bad line, otherwise the
  // decoder's or the file library's exception. Null when every file was read.
  std::exception_ptr failure;
};

VERBOSA_EXPORT StringFolderCheck CheckStringFolder(const Dir& folder);

}  // namespace Verbosa
