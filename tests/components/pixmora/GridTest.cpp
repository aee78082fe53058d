#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "Pixmora.h"

namespace {

TEST(PmGrid, NewImageHoldsWidthTimesHeightZeroPixels) {
  const PmImage image(PmPoint{3, 2});
  EXPECT_EQ(image.GetSize(), (PmPoint{3, 2}));
  EXPECT_EQ(image.ElementCount(), 6u);
  std::vector<std::uint32_t> seen;
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel) seen.push_back(*pixel);
  EXPECT_EQ(seen, std::vector<std::uint32_t>(6, 0));
}

TEST(PmGrid, IteratorsVisitRowsOneAfterAnotherInOneBlock) {
  PmMatte matte(PmPoint{2, 3});
  std::uint8_t next = 10;
  for (auto element = matte.begin(), end = matte.end(); element != end; ++element) *element = next++;
  const auto begin = matte.begin();
  const auto end = matte.end();
  ASSERT_EQ(end.Address() - begin.Address(), 6);
  EXPECT_EQ(begin.Address()[0], 10);
  EXPECT_EQ(begin.Address()[5], 15);
}

TEST(PmGrid, EmptyGridsHaveBeginEqualToEnd) {
  const PmImage none;
  const PmImage noRows(PmPoint{5, 0});
  EXPECT_TRUE(none.begin() == none.end());
  EXPECT_TRUE(noRows.begin() == noRows.end());
  EXPECT_EQ(noRows.GetSize(), (PmPoint{5, 0}));
}

TEST(PmGrid, DereferencingOrAdvancingAtTheEndThrows) {
  PmImage image(PmPoint{1, 1});
  auto end = image.end();
  EXPECT_THROW(*end, std::out_of_range);
  EXPECT_THROW(++end, std::out_of_range);
}

TEST(PmGrid, NegativeSideIsRefused) {
  EXPECT_THROW(PmImage(PmPoint{-1, 4}), std::invalid_argument);
  EXPECT_THROW(PmMatte(PmPoint{4, -1}), std::invalid_argument);
  EXPECT_THROW(PmElementCount(PmPoint{-5, -5}), std::invalid_argument);
}

}  // namespace
