// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes out of scope.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes `bytes` to the file `name` (folders created as needed) and returns its path.
  std::filesystem::path Write(const std::filesystem::path& name, std::string_view bytes) const;
  // Reads a whole file as bytes.
  static std::string Read(const std::filesystem::path& path);

 private:
  std::filesystem::path path_;
};

}  // namespace testsupport
