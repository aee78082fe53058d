// Interned, reference-counted 8-bit texts: equal texts share one atom, so
// atoms compare by pointer.
#pragma once

#include "KOR.h"

namespace kor {

// The atom of `text` with one more reference; null for a null text or when out of memory.
KORStringAtom NewStringAtom(const char* text);
void AddRefStringAtom(KORStringAtom atom);
// Drops one reference; the atom is forgotten with its last one.
void DeleteStringAtom(KORStringAtom atom);
// The text; "" for a null atom.
const char* StringAtomText(KORStringAtom atom);

void RegisterStringInterface();

}  // namespace kor
