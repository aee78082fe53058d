// CaseMappingTable: the lowercase, uppercase and case-folding replacements of
// the cased code units of the Basic Multilingual Plane. A code unit stored
// under no key maps to itself in every field.
//
// Lookup costs two array reads per code unit: each 256-unit page of the BMP
// points at a block of entries per field; every page without keys shares one
// block whose entries all mean "the unit itself". An entry either holds the
// difference between a unit and its one-unit replacement, or points at a
// longer (or empty) replacement kept in one shared buffer.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "CaseField.h"
#include "CaseRecord.h"

namespace glyphwerk::casemap {

// One field of the table, read a code unit at a time.
class CaseFieldMap {
 public:
  CaseFieldMap(const std::uint32_t* pageOffsets, const std::uint32_t* entries, const char16_t* replacements)
      : pageOffsets_(pageOffsets), entries_(entries), replacements_(replacements) {}

  std::uint32_t Entry(char16_t unit) const { return entries_[pageOffsets_[unit >> 8] + (unit & 0xFF)]; }

  static bool IsSingleUnit(std::uint32_t entry) { return (entry & kReplacementFlag) == 0; }

  // For an entry of which IsSingleUnit holds.
  static char16_t SingleUnit(char16_t unit, std::uint32_t entry) { return static_cast<char16_t>(unit + entry); }

  // For an entry of which IsSingleUnit does not hold.
  std::u16string_view Replacement(std::uint32_t entry) const {
    return {replacements_ + (entry & 0xFFFF), (entry >> 16) & kMaxReplacementLength};
  }

  static constexpr std::uint32_t kReplacementFlag = 0x80000000u;
  static constexpr std::uint32_t kMaxReplacementLength = 0x7FFF;

 private:
  const std::uint32_t* pageOffsets_;
  const std::uint32_t* entries_;
  const char16_t* replacements_;
};

class CaseMappingTable {
 public:
  // Holds no keys yet: every unit maps to itself.
  CaseMappingTable();

  // Stores `record` under `key`, replacing whatever was stored under it before.
  // Throws std::length_error if the replacements longer than one unit no longer
  // fit the entries' 16-bit offsets (far beyond any real case table).
  void Insert(char16_t key, const CaseRecord& record);

  // Valid while the table lives and is not changed.
  CaseFieldMap Field(CaseField field) const;

 private:
  static constexpr std::size_t kPageSize = 256;

  std::uint32_t Encode(char16_t key, const UTF16String& replacement);

  // Entry offset of each page's block in every field's entries; 0 is the shared block of identities.
  std::array<std::uint32_t, 0x10000 / kPageSize> pageOffsets_{};
  std::array<std::vector<std::uint32_t>, kCaseFieldCount> entries_;
  UTF16String replacements_;
};

}  // namespace glyphwerk::casemap
