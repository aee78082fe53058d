#include <gtest/gtest.h>

#include "Tethra.h"

namespace {

TEST(Tethra, DummyCanBeCalledAnyNumberOfTimes) {
  for (int i = 0; i < 1000; ++i) TethraDummy();
  SUCCEED();
}

}  // namespace
