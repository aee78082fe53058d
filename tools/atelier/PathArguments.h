// Paths on atelier's command line and in its output. Arguments arrive as
// UTF-8 and the tool prints UTF-8, but std::filesystem converts std::string
// paths with the ANSI code page on Windows; every path crosses that edge
// through these functions instead.
#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <string>
#include <string_view>

namespace atelier {

// The path named by UTF-8 `text`.
std::filesystem::path PathFromUTF8(std::string_view text);

// The path as UTF-8 text, with the separators the system joined it with.
std::string PathText(const std::filesystem::path& path);

// Throws CommandFailure "FILE: <problem>" (exit 1) unless the UTF-8 `text`
// names a regular file: "No such file or directory", "a folder, not a file"
// or "not a regular file".
void RequireInputFile(std::string_view text);

// Option checks: the UTF-8 argument names an existing file, or an existing
// folder. A problem with it is a problem of the input, not of the command
// line: it ends the tool as RequireInputFile does ("DIR: not a folder").
CLI::Validator ExistingFile();
CLI::Validator ExistingFolder();
// As ExistingFile, but "-" (standard input) passes too.
CLI::Validator InputFile();

}  // namespace atelier
