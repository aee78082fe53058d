#include "verbosa/StringFolderCheck.h"

#include "ForEachStringFile.h"
#include "LoadStringFile.h"
#include "StringTable.h"

namespace Verbosa {

StringFolderCheck CheckStringFolder(const Dir& folder) {
  StringFolderCheck check;
  StringTable scratch;
  try {
    ForEachStringFile(folder, [&](const File& file) {
      check.failedFile = file.GetPath();
      check.entries += LoadStringFile(file, scratch);
      ++check.files;
      check.failedFile.clear();
    });
  } catch (...) {
    check.failure = std::current_exception();
  }
  check.keys = scratch.Size();
  return check;
}

}  // namespace Verbosa
