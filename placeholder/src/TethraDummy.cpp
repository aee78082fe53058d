#include "tethra/TethraDummy.h"

void TethraDummy() {}
