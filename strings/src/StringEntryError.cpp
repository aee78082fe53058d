#include "verbosa/StringEntryError.h"

#include <utility>

namespace Verbosa {

StringEntryError::StringEntryError(const std::string& message, std::filesystem::path file, std::uint64_t line)
    : std::invalid_argument(message), file_(std::move(file)), line_(line) {}

// Defined here so that the class's type information lives in the library and
// a caller's catch matches what the library throws.
StringEntryError::~StringEntryError() = default;

}  // namespace Verbosa
