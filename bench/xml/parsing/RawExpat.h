// The tokenizer under the parser component with empty handlers: the ceiling
// every reader in these benchmarks is measured against.
#pragma once

#include <filesystem>
#include <string_view>

namespace parsing_bench {

// Parses `document` in one call with empty element and text handlers; true
// when Expat finds it well formed.
bool ParseWithRawExpat(std::string_view document);
// The same for the file at `path`, read in blocks straight into Expat's
// buffer, as Expat's own users read a file; false also when it cannot be read.
bool ParseFileWithRawExpat(const std::filesystem::path& path);

}  // namespace parsing_bench
