// The broker's table of published procedures, keyed by (component or interface
// name, method name, procedure name), and the unregister count that tells
// clients when cached procedures may have gone.
#pragma once

#include <cstdint>
#include <span>

#include "KOR.h"

namespace kor {

void RegisterProcedure(const char* component, const char* method, const char* procedure, KORProc proc);
// Registers `procs[i]` under `names[i]`; both spans have the same length.
void RegisterProcedures(const char* component, std::span<const KORMethodName> names,
                        std::span<const KORProc> procs);
// Null when nothing is registered under the three names (or one is null).
KORProc FindProcedure(const char* component, const char* method, const char* procedure);
// Searches `component`, then its parent interfaces.
KORProc FindProcedureWithParents(const char* component, const char* method, const char* procedure);
// The parent interface of `component`, or null.
const char* ParentInterface(const char* component);
void SetParentInterface(const char* component, const char* parent);

std::int32_t UnregisterComponent(const char* component);
std::uint32_t UnregisterCount();

}  // namespace kor
