/// @file
/// Tethra: the placeholder library. Its whole interface is TethraDummy.
#pragma once

#include "tethra/TethraDummy.h"
