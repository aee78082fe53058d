// A test fixture that starts every test with an empty process string table.
// The tests link the library's objects, so the table they reset is their own.
#pragma once

#include <gtest/gtest.h>

#include "StringTable.h"

namespace Verbosa {

class FreshStringTable : public ::testing::Test {
 protected:
  void SetUp() override { ProcessStringTable() = StringTable{}; }
  void TearDown() override { ProcessStringTable() = StringTable{}; }
};

}  // namespace Verbosa
