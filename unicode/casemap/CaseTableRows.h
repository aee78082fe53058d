// The constant rows the case mapping table is filled from, generated into
// CaseTableData.cpp by generate_case_table.py: one row per key, in ascending
// key order. Each field lists its code units; unused trailing units are zero
// (no mapping contains U+0000).
#pragma once

#include <cstddef>

namespace glyphwerk_internal {

inline constexpr std::size_t kCaseTableRowCount = 1446;
inline constexpr std::size_t kMaxCaseMappingUnits = 3;

struct CaseTableRow {
  char16_t key;
  char16_t lower[kMaxCaseMappingUnits];
  char16_t upper[kMaxCaseMappingUnits];
  char16_t fold[kMaxCaseMappingUnits];
};

extern const CaseTableRow kCaseTableRows[kCaseTableRowCount];

}  // namespace glyphwerk_internal
