#include "Dossik.h"

#include <utility>

FileError::FileError(const std::string& message, std::filesystem::path path)
    : std::runtime_error(message), path_(std::move(path)) {}

FileError::~FileError() = default;

EndOfDataError::EndOfDataError() : std::runtime_error("read past end of data") {}

EndOfDataError::~EndOfDataError() = default;
