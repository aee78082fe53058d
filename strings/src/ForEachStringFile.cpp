#include "ForEachStringFile.h"

namespace Verbosa {

void ForEachStringFile(const Dir& folder, const std::function<void(const File&)>& visit,
                       const std::function<void(const File&)>& skip) {
  const auto end = folder.EndFiles();
  for (auto file = folder.BeginFiles(true); file != end; ++file) {
    if (file->GetExtension() == u".str") {
      visit(*file);
    } else if (skip) {
      skip(*file);
    }
  }
}

}  // namespace Verbosa
