// Builds the library's FileError from a failed system call, in the form
// "cannot <action> '<path>': <reason>", the reason being the system's own
// text for the error number.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "Dossik.h"

namespace dossik_internal {

// The path as UTF-8 text, whatever the system's own form of paths.
std::string PathText(const std::filesystem::path& path);

FileError SystemFileError(const char* action, const std::filesystem::path& path, int errorNumber);
FileError SystemFileError(const char* action, const std::filesystem::path& path, const std::error_code& error);

}  // namespace dossik_internal
