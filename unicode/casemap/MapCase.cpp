#include "MapCase.h"

#include <algorithm>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "FilledCaseMappingTable.h"

namespace glyphwerk_internal {
namespace {

// Writes `replacement` at `written`, first growing `result` when it would not
// leave room for the `unitsLeft` units still to map. Returns the new write
// position. Kept apart from the loop: replacements longer than a unit are rare.
std::size_t WriteReplacement(UTF16String& result, std::size_t written, std::u16string_view replacement,
                             std::size_t unitsLeft) {
  const std::size_t needed = written + replacement.size() + unitsLeft;
  if (needed > result.size()) result.resize(std::max(needed, result.size() + result.size() / 2));
  return written + replacement.copy(result.data() + written, replacement.size());
}

#if defined(__SSE2__)
__m128i Splat(char16_t unit) { return _mm_set1_epi16(static_cast<short>(unit)); }

__m128i Load(const Latin1CaseRule::Lanes& lanes) { return _mm_load_si128(reinterpret_cast<const __m128i*>(lanes.lane)); }

bool AllLanesSet(__m128i mask) { return _mm_movemask_epi8(mask) == 0xFFFF; }

// Maps eight units by the first `runCount` runs of `rule` into `out`, unless
// one of them is among its first `stopCount` stops.
bool MapEightByRuns(__m128i block, char16_t* out, const Latin1CaseRule& rule, std::size_t runCount,
                    std::size_t stopCount) {
  __m128i stopped = _mm_setzero_si128();
  for (std::size_t i = 0; i < stopCount; ++i) stopped = _mm_or_si128(stopped, _mm_cmpeq_epi16(block, Load(rule.stops[i])));
  if (_mm_movemask_epi8(stopped) != 0) return false;
  __m128i mapped = block;
  for (std::size_t i = 0; i < runCount; ++i) {
    const Latin1CaseRule::Run& run = rule.runs[i];
    const __m128i offset = _mm_sub_epi16(block, Load(run.first));
    const __m128i inRun = _mm_cmpeq_epi16(_mm_subs_epu16(offset, Load(run.span)), _mm_setzero_si128());
    mapped = _mm_add_epi16(mapped, _mm_and_si128(inRun, Load(run.delta)));
  }
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), mapped);
  return true;
}

// If the eight units at `units` are all below U+0100 and none has a longer
// replacement, writes their mapping to `out` and returns true; otherwise
// writes nothing. All-ASCII blocks need only the runs below U+0080.
bool MapEightLatin1Units(const char16_t* units, char16_t* out, const Latin1CaseRule& rule) {
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units));
  if (AllLanesSet(_mm_cmpeq_epi16(_mm_and_si128(block, Splat(0xFF80)), _mm_setzero_si128()))) {
    return MapEightByRuns(block, out, rule, rule.asciiRunCount, rule.asciiStopCount);
  }
  if (AllLanesSet(_mm_cmpeq_epi16(_mm_and_si128(block, Splat(0xFF00)), _mm_setzero_si128()))) {
    return MapEightByRuns(block, out, rule, rule.runCount, rule.stopCount);
  }
  return false;
}
#endif

}  // namespace

UTF16String MapCase(const UTF16String& source, CaseField field) {
  if (source.empty()) return {};
  const CaseFieldMap map = FilledCaseMappingTable().Field(field);
  const char16_t* const units = source.data();
  const std::size_t size = source.size();

  // Most units map to one unit, so the result starts a little longer than the
  // source, leaving room for a few longer replacements before it must grow;
  // it always holds at least `written` plus the units not yet read.
  UTF16String result(size + size / 16, u'\0');
  char16_t* out = result.data();
  std::size_t read = 0;
  std::size_t written = 0;
  while (read < size) {
    std::size_t oneByOneUntil = size;
#if defined(__SSE2__)
    // Blocks of eight Latin-1 units go at once; after a block that cannot,
    // its eight units go one by one before the next try.
    if (map.Latin1().holds && size - read >= 8) {
      if (MapEightLatin1Units(units + read, out + written, map.Latin1())) {
        read += 8;
        written += 8;
        continue;
      }
      oneByOneUntil = read + 8;
    }
#endif
    while (read < oneByOneUntil) {
      const char16_t unit = units[read++];
      const std::uint32_t entry = map.Entry(unit);
      if (CaseFieldMap::IsSingleUnit(entry)) {
        out[written++] = CaseFieldMap::SingleUnit(unit, entry);
      } else {
        written = WriteReplacement(result, written, map.Replacement(entry), size - read);
        out = result.data();
      }
    }
  }
  result.resize(written);
  return result;
}

}  // namespace glyphwerk_internal
