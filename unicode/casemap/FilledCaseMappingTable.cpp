#include "FilledCaseMappingTable.h"

#include <algorithm>
#include <atomic>
#include <iterator>

#include "CaseTableRows.h"

namespace glyphwerk_internal {
namespace {

std::atomic<bool> tableFilled{false};

UTF16String Units(const char16_t (&units)[kMaxCaseMappingUnits]) {
  return UTF16String(std::begin(units), std::find(std::begin(units), std::end(units), u'\0'));
}

CaseMappingTable FillFromRows() {
  CaseMappingTable table;
  for (const CaseTableRow& row : kCaseTableRows) {
    table.Insert(row.key, CaseRecord{Units(row.lower), Units(row.upper), Units(row.fold)});
  }
  tableFilled.store(true, std::memory_order_release);
  return table;
}

}  // namespace

const CaseMappingTable& FilledCaseMappingTable() {
  // An initialiser that throws leaves the static uninitialised, which is what
  // makes an interrupted fill start over on the next call.
  static const CaseMappingTable table = FillFromRows();
  return table;
}

bool CaseMappingTableIsFilled() { return tableFilled.load(std::memory_order_acquire); }

}  // namespace glyphwerk_internal
