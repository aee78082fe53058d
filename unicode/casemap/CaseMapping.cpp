#include "glyphwerk/CaseMapping.h"

#include "MapCase.h"

using glyphwerk_internal::CaseField;
using glyphwerk_internal::MapCase;

UTF16String LowerCase(const UTF16String& s) { return MapCase(s, CaseField::Lower); }
UTF16String UpperCase(const UTF16String& s) { return MapCase(s, CaseField::Upper); }
UTF16String FoldCase(const UTF16String& s) { return MapCase(s, CaseField::Fold); }

void ToLowerCase(UTF16String& s) { s = LowerCase(s); }
void ToUpperCase(UTF16String& s) { s = UpperCase(s); }
void ToFoldCase(UTF16String& s) { s = FoldCase(s); }
