// CaseMappingTable: the lowercase, uppercase and case-folding replacements of
// the cased code units of the Basic Multilingual Plane. A code unit stored
// under no key maps to itself in every field.
//
// Lookup costs two array reads per code unit: each 256-unit page of the BMP
// points at a block of entries per field; every page without keys shares one
// block whose entries all mean "the unit itself". An entry either holds the
// difference between a unit and its one-unit replacement, or points at a
// longer (or empty) replacement kept in one shared buffer. Where a field maps
// U+0000-U+00FF by a few runs of equal shifts, as real case data does, the
// table describes them so that MapCase can map Latin-1 eight units at once.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "CaseField.h"
#include "CaseRecord.h"

namespace glyphwerk_internal {

// A field's mapping of U+0000-U+00FF in a form that MapCase can apply to
// eight units at once, when `holds`: each unit inside one of the runs gains
// that run's delta (modulo 2^16), each stop has a replacement longer than one
// unit (or an empty one), and every other unit maps to itself. Runs and stops
// are in ascending order, so the first asciiRunCount runs and asciiStopCount
// stops are all that concern units below U+0080.
struct Latin1CaseRule {
  // One value repeated in eight lanes, ready to be loaded as a vector.
  struct alignas(16) Lanes {
    char16_t lane[8];
  };
  struct Run {
    Lanes first;
    Lanes span;  // the run covers first to first + span
    Lanes delta;
  };
  static constexpr std::size_t kMaxRuns = 6;
  static constexpr std::size_t kMaxStops = 2;

  bool holds = true;
  std::array<Run, kMaxRuns> runs{};
  std::size_t runCount = 0;
  std::size_t asciiRunCount = 0;
  std::array<Lanes, kMaxStops> stops{};
  std::size_t stopCount = 0;
  std::size_t asciiStopCount = 0;
};

// One field of the table, read a code unit at a time.
class CaseFieldMap {
 public:
  CaseFieldMap(const std::uint32_t* pageOffsets, const std::uint32_t* entries, const char16_t* replacements,
               const Latin1CaseRule& latin1)
      : pageOffsets_(pageOffsets), entries_(entries), replacements_(replacements), latin1_(latin1) {}

  const Latin1CaseRule& Latin1() const { return latin1_; }

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
  const Latin1CaseRule& latin1_;
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
  Latin1CaseRule DeriveLatin1Rule(std::size_t field) const;

  // Entry offset of each page's block in every field's entries; 0 is the shared block of identities.
  std::array<std::uint32_t, 0x10000 / kPageSize> pageOffsets_{};
  std::array<std::vector<std::uint32_t>, kCaseFieldCount> entries_;
  UTF16String replacements_;
  std::array<Latin1CaseRule, kCaseFieldCount> latin1Rules_{};
};

}  // namespace glyphwerk_internal
