// CaseField: which of the three mappings of a code unit a conversion uses.
#pragma once

#include <cstddef>

namespace glyphwerk_internal {

// In the order of the fields of CaseRecord.
enum class CaseField { Lower, Upper, Fold };

inline constexpr std::size_t kCaseFieldCount = 3;

}  // namespace glyphwerk_internal
