#include "CaseMappingTable.h"

#include <stdexcept>

namespace glyphwerk::casemap {

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
  }
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
  return CaseFieldMap(pageOffsets_.data(), entries_[static_cast<std::size_t>(field)].data(), replacements_.data());
}

}  // namespace glyphwerk::casemap
