#include "SystemErrors.h"

#include <cstring>
#include <string>

namespace dossik_internal {

namespace {

FileError Describe(const char* action, const std::filesystem::path& path, const std::string& reason) {
  return FileError(std::string("cannot ") + action + " '" + PathText(path) + "': " + reason, path);
}

}  // namespace

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

FileError SystemFileError(const char* action, const std::filesystem::path& path, int errorNumber) {
  return Describe(action, path, std::strerror(errorNumber));
}

FileError SystemFileError(const char* action, const std::filesystem::path& path, const std::error_code& error) {
  return Describe(action, path, error.message());
}

}  // namespace dossik_internal
