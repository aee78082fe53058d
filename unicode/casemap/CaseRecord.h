// CaseRecord: the complete replacements of one code unit in lowercase,
// uppercase and case folding. Each field holds one to three code units.
#pragma once

#include "CaseField.h"
#include "UTF16String.h"

namespace glyphwerk_internal {

struct CaseRecord {
  UTF16String lower;
  UTF16String upper;
  UTF16String fold;

  const UTF16String& Field(CaseField field) const {
    switch (field) {
      case CaseField::Lower: return lower;
      case CaseField::Upper: return upper;
      case CaseField::Fold: break;
    }
    return fold;
  }
};

}  // namespace glyphwerk_internal
