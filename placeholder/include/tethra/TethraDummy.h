/// @file
/// TethraDummy: returns at once. It reads and writes nothing, allocates nothing
/// and cannot fail; any thread may call it at any time.
#pragma once

#include "TethraExport.h"

/// Does nothing and returns.
TETHRA_EXPORT void TethraDummy();
