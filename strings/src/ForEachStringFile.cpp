#include "ForEachStringFile.h"

namespace Verbosa {

void ForEachStringFile(const Dir& folder, const std::function<void(const File&)>& visit) {
  const auto end = folder.EndFiles();
  for (auto file = folder.BeginFiles(true); file != end; ++file) {
    if (file->GetExtension() == u".str") visit(*file);
  }
}

}  // namespace Verbosa
