// Arbitrary bytes as a whole string folder: the input is cut at every line
// "=====" into files, written to a fresh folder as 0.str, 1.str, ... (every
// third one as a .txt file, which the loader must pass over), and the folder
// is checked exactly as Init reads it. A failure names the file it happened
// in; anything else escaping, or a sanitizer report, is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "Verbosa.h"

namespace {

constexpr std::string_view kSeparator = "\n=====\n";

const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("fuzz_string_folder-" + std::to_string(std::rand()));
  return path;
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path& folder = ScratchFolder();
  std::filesystem::remove_all(folder);
  std::filesystem::create_directory(folder);
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  for (int index = 0;; ++index) {
    const std::size_t stop = input.find(kSeparator, start);
    const char* extension = index % 3 == 2 ? ".txt" : ".str";
    WriteFile(folder / (std::to_string(index) + extension), input.substr(start, stop - start));
    if (stop == std::string_view::npos) break;
    start = stop + kSeparator.size();
  }
  const Verbosa::StringFolderCheck check = Verbosa::CheckStringFolder(Dir(folder));
  if ((check.failure == nullptr) != check.failedFile.empty()) std::abort();
  return 0;
}
