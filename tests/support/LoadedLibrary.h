// A shared library loaded by hand, so that a test sees its load and unload
// hooks run and can look up what it exports: dlopen on Linux, LoadLibraryW on
// Windows.
#pragma once

#include <filesystem>

namespace testsupport {

class LoadedLibrary {
 public:
  // Loads `file`; throws std::runtime_error with the system's reason if it cannot.
  explicit LoadedLibrary(const std::filesystem::path& file);
  // Unloads the library unless Unload already did.
  ~LoadedLibrary();
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  // The address of the export named `name`, or null if the library has none.
  void* Symbol(const char* name) const;
  // Drops this reference to the library; true if the system accepted it.
  bool Unload();

  // True while the process holds `file` loaded, by this object or otherwise.
  static bool IsLoaded(const std::filesystem::path& file);

 private:
  void* handle_;
};

}  // namespace testsupport
