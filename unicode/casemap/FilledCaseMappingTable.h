// The process-wide case mapping table, filled from the generated rows by the
// first lookup, so a process that never maps case never pays for it.
#pragma once

#include "CaseMappingTable.h"

namespace glyphwerk_internal {

// Fills the table on the first call and returns it; later calls only read it.
// The fill is safe against concurrent first calls. If it throws (an allocation
// fails), nothing is kept and the next call runs the whole fill again.
const CaseMappingTable& FilledCaseMappingTable();

// Whether a fill has completed in this process. For tests: the interface
// itself never needs to know.
bool CaseMappingTableIsFilled();

}  // namespace glyphwerk_internal
