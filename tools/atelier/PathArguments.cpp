#include "PathArguments.h"

#include <system_error>

#include "CommandRegistry.h"
#include "StandardInput.h"

namespace atelier {

std::filesystem::path PathFromUTF8(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string PathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

namespace {

// What is wrong with `text` as an entry of the `wanted` type; empty when
// nothing is.
std::string EntryProblem(std::string_view text, std::filesystem::file_type wanted) {
  using std::filesystem::file_type;
  std::error_code error;
  const file_type type = std::filesystem::status(PathFromUTF8(text), error).type();
  if (type == wanted) return {};
  if (type == file_type::not_found) return std::make_error_code(std::errc::no_such_file_or_directory).message();
  if (type == file_type::none) return error.message();
  if (wanted == file_type::directory) return "not a folder";
  if (type == file_type::directory) return "a folder, not a file";
  return "not a regular file";
}

void RequireEntry(std::string_view text, std::filesystem::file_type wanted) {
  const std::string problem = EntryProblem(text, wanted);
  if (!problem.empty()) throw CommandFailure{std::string(text) + ": " + problem, kExitWorkFailed};
}

CLI::Validator ExistingEntry(std::filesystem::file_type type, const char* description) {
  return CLI::Validator(
      [type](const std::string& argument) {
        RequireEntry(argument, type);
        return std::string();
      },
      description);
}

}  // namespace

void RequireInputFile(std::string_view text) { RequireEntry(text, std::filesystem::file_type::regular); }

CLI::Validator ExistingFile() { return ExistingEntry(std::filesystem::file_type::regular, "FILE"); }

CLI::Validator InputFile() {
  return CLI::Validator(
      [](const std::string& argument) {
        if (!IsStandardInput(argument)) RequireInputFile(argument);
        return std::string();
      },
      "FILE or -");
}

CLI::Validator ExistingFolder() { return ExistingEntry(std::filesystem::file_type::directory, "DIR"); }

}  // namespace atelier
