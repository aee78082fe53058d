#include "SystemErrors.h"

#include <cstring>
#include <string>

namespace dossik_internal {

namespace {

FileError Describe(const char* action, const std::filesystem::path& path, const std::string& reason) {
  return FileError(std::string("cannot ") + action + " '" + path.string() + "': " + reason, path);
}

}  // namespace

FileError SystemFileError(const char* action, const std::filesystem::path& path, int errorNumber) {
  return Describe(action, path, std::strerror(errorNumber));
}

FileError SystemFileError(const char* action, const std::filesystem::path& path, const std::error_code& error) {
  return Describe(action, path, error.message());
}

}  // namespace dossik_internal
