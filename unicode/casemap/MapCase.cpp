#include "MapCase.h"

#include <algorithm>

#include "FilledCaseMappingTable.h"

namespace glyphwerk::casemap {

UTF16String MapCase(const UTF16String& source, CaseField field) {
  if (source.empty()) return {};
  const CaseFieldMap map = FilledCaseMappingTable().Field(field);
  const std::size_t sourceSize = source.size();

  // Most units map to one unit, so the result starts at the source's length
  // and grows only when a longer replacement would not leave room for the rest.
  UTF16String result(sourceSize, u'\0');
  char16_t* out = result.data();
  std::size_t written = 0;
  for (std::size_t read = 0; read < sourceSize; ++read) {
    const char16_t unit = source[read];
    const std::uint32_t entry = map.Entry(unit);
    if (CaseFieldMap::IsSingleUnit(entry)) {
      out[written++] = CaseFieldMap::SingleUnit(unit, entry);
      continue;
    }
    const std::u16string_view replacement = map.Replacement(entry);
    const std::size_t needed = written + replacement.size() + (sourceSize - read - 1);
    if (needed > result.size()) {
      result.resize(std::max(needed, result.size() + result.size() / 2));
      out = result.data();
    }
    written += replacement.copy(out + written, replacement.size());
  }
  result.resize(written);
  return result;
}

}  // namespace glyphwerk::casemap
