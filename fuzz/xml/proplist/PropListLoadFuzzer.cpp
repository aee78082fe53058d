// Arbitrary bytes as a property-list file, read through the buffered file
// stream. Loading never throws: a file that is not a whole property list
// leaves the list empty.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Arborix.h"

namespace {

const std::filesystem::path& ScratchFile() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("fuzz_proplist_load-" + std::to_string(std::rand()) + ".xml");
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static XMLEntryExit connection;
  std::FILE* scratch = std::fopen(ScratchFile().c_str(), "wb");
  if (scratch == nullptr) std::abort();
  if (std::fwrite(data, 1, size, scratch) != size || std::fclose(scratch) != 0) std::abort();
  File file(ScratchFile());
  PropList list;
  PropListUtils::LoadPropList(file, list);
  return 0;
}
