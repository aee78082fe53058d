#include "DirListing.h"

#include <algorithm>
#include <system_error>

#include "NameText.h"
#include "SystemErrors.h"

namespace dossik_internal {

std::vector<DirEntry> ListFolder(const std::filesystem::path& folder) {
  struct Named {
    UTF16String name;
    DirEntry entry;
  };
  std::vector<Named> named;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    std::error_code ignored;  // an entry that vanished or cannot be examined is neither kind
    DirEntry entry{File(it->path()), it->is_directory(ignored) && !it->is_symlink(ignored),
                   it->is_regular_file(ignored)};
    named.push_back({NameText(it->path().filename()), std::move(entry)});
  }
  if (error) throw SystemFileError("list", folder, error);
  std::sort(named.begin(), named.end(), [](const Named& a, const Named& b) { return a.name < b.name; });
  std::vector<DirEntry> entries;
  entries.reserve(named.size());
  for (auto& item : named) entries.push_back(std::move(item.entry));
  return entries;
}

}  // namespace dossik_internal
