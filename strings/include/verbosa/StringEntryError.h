/// @file
/// StringEntryError: a malformed line of a string file, with where it stands.
///
/// what() is exactly the parser's fixed message ("bad string entry - invalid
/// key", ...) and never names the file or the line, so callers that catch
/// std::invalid_argument see only that fixed text. FilePath() and Line()
/// tell a person fixing the folder where to look.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "VerbosaExport.h"

namespace Verbosa {

/// A malformed line of a string file: the parser's message, the file and the line number.
class VERBOSA_EXPORT StringEntryError : public std::invalid_argument {
 public:
  /// An error whose what() is `message`, about line `line` of `file`.
  StringEntryError(const std::string& message, std::filesystem::path file, std::uint64_t line);
  ~StringEntryError() override;

  /// The string file that holds the bad line.
  const std::filesystem::path& FilePath() const noexcept { return file_; }
  /// The line number as a text editor shows it: 1-based, a carriage return
  /// followed by a line feed counting as one line end.
  std::uint64_t Line() const noexcept { return line_; }

 private:
  std::filesystem::path file_;
  std::uint64_t line_;
};

}  // namespace Verbosa
