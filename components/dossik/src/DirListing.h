// One folder's entries, sorted by name code unit by code unit (UTF-16), as the
// folder iterators hand them out.
#pragma once

#include <filesystem>
#include <vector>

#include "Dossik.h"

namespace dossik_internal {

struct DirEntry {
  File file;
  // A folder itself, not a link to one: walks never follow links into folders,
  // so a link cycle cannot make them endless.
  bool isFolder = false;
  // A regular file or a link to one.
  bool isFile = false;
};

// Throws FileError when the folder cannot be listed.
std::vector<DirEntry> ListFolder(const std::filesystem::path& folder);

}  // namespace dossik_internal
