#include "CaseMappingTable.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace glyphwerk_internal {
namespace {

Latin1CaseRule::Lanes Repeated(char16_t unit) {
  Latin1CaseRule::Lanes lanes;
  std::fill(std::begin(lanes.lane), std::end(lanes.lane), unit);
  return lanes;
}

Latin1CaseRule Unusable() {
  Latin1CaseRule rule;
  rule.holds = false;
  return rule;
}

}  // namespace

CaseMappingTable::CaseMappingTable() {
  for (auto& entries : entries_) entries.assign(kPageSize, 0);
}

void CaseMappingTable::Insert(char16_t key, const CaseRecord& record) {
  const std::size_t page = key / kPageSize;
  if (pageOffsets_[page] == 0) {
    const std::size_t offset = entries_[0].size();
    for (auto& entries : entries_) entries.resize(offset + kPageSize, 0);
    pageOffsets_[page] = static_cast<std::uint32_t>(offset);
  }
  const std::size_t slot = pageOffsets_[page] + key % kPageSize;
  for (std::size_t field = 0; field < kCaseFieldCount; ++field) {
    entries_[field][slot] = Encode(key, record.Field(static_cast<CaseField>(field)));
    if (key < 0x100) latin1Rules_[field] = DeriveLatin1Rule(field);
  }
}

Latin1CaseRule CaseMappingTable::DeriveLatin1Rule(std::size_t field) const {
  const std::uint32_t* latin1Entries = entries_[field].data() + pageOffsets_[0];
  Latin1CaseRule rule;
  bool runOpen = false;
  for (char16_t unit = 0; unit < 0x100; ++unit) {
    const std::uint32_t entry = latin1Entries[unit];
    const bool ascii = unit < 0x80;
    if (!CaseFieldMap::IsSingleUnit(entry)) {
      if (rule.stopCount == Latin1CaseRule::kMaxStops) return Unusable();
      rule.stops[rule.stopCount++] = Repeated(unit);
      rule.asciiStopCount += ascii;
      runOpen = false;
      continue;
    }
    if (entry == 0) {
      runOpen = false;
      continue;
    }
    const auto delta = static_cast<char16_t>(entry);
    if (runOpen && rule.runs[rule.runCount - 1].delta.lane[0] == delta) {
      Latin1CaseRule::Run& run = rule.runs[rule.runCount - 1];
      run.span = Repeated(static_cast<char16_t>(run.span.lane[0] + 1));
      continue;
    }
    if (rule.runCount == Latin1CaseRule::kMaxRuns) return Unusable();
    rule.runs[rule.runCount++] = {Repeated(unit), Repeated(0), Repeated(delta)};
    rule.asciiRunCount += ascii;
    runOpen = true;
  }
  return rule;
}

std::uint32_t CaseMappingTable::Encode(char16_t key, const UTF16String& replacement) {
  if (replacement.size() == 1) return static_cast<std::uint16_t>(replacement[0] - key);
  const std::size_t offset = replacements_.size();
  if (offset > 0xFFFF || replacement.size() > CaseFieldMap::kMaxReplacementLength) {
    throw std::length_error("case mapping table: replacements exceed the entry format");
  }
  replacements_ += replacement;
  return CaseFieldMap::kReplacementFlag | static_cast<std::uint32_t>(replacement.size() << 16) |
         static_cast<std::uint32_t>(offset);
}

CaseFieldMap CaseMappingTable::Field(CaseField field) const {
  const auto index = static_cast<std::size_t>(field);
  return CaseFieldMap(pageOffsets_.data(), entries_[index].data(), replacements_.data(), latin1Rules_[index]);
}

}  // namespace glyphwerk_internal
