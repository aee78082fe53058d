#include "PathArguments.h"

#include <system_error>

namespace atelier {

std::filesystem::path PathFromUTF8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

namespace {

CLI::Validator ExistingEntry(std::filesystem::file_type type, const char* description, const char* missing) {
  return CLI::Validator(
      [type, missing](const std::string& argument) {
        std::error_code ignored;
        const auto status = std::filesystem::status(PathFromUTF8(argument), ignored);
        return status.type() == type ? std::string() : missing + argument;
      },
      description);
}

}  // namespace

CLI::Validator ExistingFile() {
  return ExistingEntry(std::filesystem::file_type::regular, "FILE", "File does not exist: ");
}

CLI::Validator ExistingFolder() {
  return ExistingEntry(std::filesystem::file_type::directory, "DIR", "Directory does not exist: ");
}

}  // namespace atelier
