// Reference-counted error handles: component, ID, message and where the error
// was raised. Core errors 0 (generic) and 1 (out of memory) are static and
// survive any number of releases.
#pragma once

#include "KOR.h"

namespace kor {

KORErrorHandle NewError(const char* message, const char* component, std::intptr_t id, const char* sourceFile,
                        std::int32_t sourceLine);
KORErrorHandle CoreError(std::int32_t which);
void AddRefError(KORErrorHandle error);
void ReleaseError(KORErrorHandle error);
KORStringAtom ErrorMessage(KORErrorHandle error);
KORStringAtom ErrorComponent(KORErrorHandle error);
std::intptr_t ErrorID(KORErrorHandle error);

void RegisterErrorInterface();

}  // namespace kor
