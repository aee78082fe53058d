#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "Dossik.h"

namespace {

TEST(StreamOperators, IntegersAreStoredLeastSignificantByteFirst) {
  OMemoryByteStream out;
  out << std::int32_t{0x01020304} << static_cast<unsigned char>(0xAB) << std::int32_t{-2};
  EXPECT_EQ(out.Bytes(), (std::vector<unsigned char>{4, 3, 2, 1, 0xAB, 0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST(StreamOperators, ReadBackWhatWasWritten) {
  OMemoryByteStream out;
  out << std::numeric_limits<std::int32_t>::min() << std::numeric_limits<std::int32_t>::max();
  IMemoryByteStream in(out.Bytes());
  std::int32_t low = 0;
  std::int32_t high = 0;
  in >> low >> high;
  EXPECT_EQ(low, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(high, std::numeric_limits<std::int32_t>::max());
}

TEST(StreamOperators, ShortIntegerThrowsAndLeavesTheValueAlone) {
  IMemoryByteStream in("\x01\x02", 2);
  std::int32_t value = 7;
  EXPECT_THROW(in >> value, EndOfDataError);
  EXPECT_EQ(value, 7);
}

}  // namespace
