#include "verbosa/StringFolder.h"

#include <stdexcept>

#include "ForEachStringFile.h"
#include "LoadStringFile.h"
#include "StringTable.h"

namespace Verbosa {

Dir LocatedBlessedFolder(const Dir& root, const UTF16String& markerName) {
  const RecursiveFileIterator end;
  for (RecursiveFileIterator file{root, true}; file != end; ++file) {
    if (file->GetName() == markerName) return file.CurrentDir();
  }
  throw std::invalid_argument("can't find string files");
}

void Init(const Dir& folder) {
  ForEachStringFile(folder, [](const File& file) { LoadStringFile(file, ProcessStringTable()); });
}

}  // namespace Verbosa
