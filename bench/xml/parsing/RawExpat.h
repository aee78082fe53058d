// The tokenizer under the parser component with empty handlers: the ceiling
// every reader in these benchmarks is measured against.
#pragma once

#include <string_view>

namespace parsing_bench {

// Parses `document` in one call with empty element and text handlers; true
// when Expat finds it well formed.
bool ParseWithRawExpat(std::string_view document);

}  // namespace parsing_bench
