// The string files of a folder, in the order Init loads them.
#pragma once

#include <functional>

#include "Dossik.h"

namespace Verbosa {

// Calls `visit` for every file of `folder` whose extension is exactly ".str"
// (leading dot included, case-sensitive), in the folder's iteration order,
// and `skip`, when given, for every other file. Whatever `visit`, `skip` or
// the listing throws ends the walk.
void ForEachStringFile(const Dir& folder, const std::function<void(const File&)>& visit,
                       const std::function<void(const File&)>& skip = nullptr);

}  // namespace Verbosa
