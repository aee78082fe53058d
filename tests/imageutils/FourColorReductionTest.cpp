#include <gtest/gtest.h>

#include <vector>

#include "ImageBuilders.h"
#include "PixmoraUtils.h"

namespace {

using testimages::ImageRow;
using testimages::ValuesOf;

const PmImagePixel kBlack{0x000000}, kBlue{0x0000FF}, kGreen{0x00FF00}, kRed{0xFF0000};

std::vector<int> Reduce(const PmImage& image, PmImagePixel c0, PmImagePixel c1, PmImagePixel c2,
                        PmImagePixel c3) {
  PmMatte matte(image.GetSize());
  ReduceToFourColors(image, matte, c0, c1, c2, c3);
  return ValuesOf(matte);
}

TEST(ReduceToFourColors, EachPixelTakesTheIndexOfTheNearestColour) {
  // 000080 is 16384 from black and 16129 from blue; 00007F the other way round.
  const PmImage image = ImageRow({0x000080, 0x00007F, 0xF01010, 0x10F010, 0x0000FF, 0x000000});
  EXPECT_EQ(Reduce(image, kBlack, kBlue, kGreen, kRed), (std::vector<int>{1, 0, 3, 2, 1, 0}));
}

TEST(ReduceToFourColors, EqualDistancesGoToTheHighestIndex) {
  // 000001 is 1 from both 000000 and 000002.
  EXPECT_EQ(Reduce(ImageRow({0x000001}), kBlack, PmImagePixel{0x000002}, kRed, kGreen), (std::vector<int>{1}));
  // Pairs tie across the two halves of the tournament too.
  EXPECT_EQ(Reduce(ImageRow({0x000001}), kBlack, kRed, PmImagePixel{0x000002}, kGreen), (std::vector<int>{2}));
  EXPECT_EQ(Reduce(ImageRow({0x808080, 0x123456}), kRed, kRed, kRed, kRed), (std::vector<int>{3, 3}));
}

TEST(ReduceToFourColors, TopByteOfPixelsAndColoursIsIgnored) {
  const PmImage image = ImageRow({0x00000080, 0xFF000080, 0x7F00007F});
  EXPECT_EQ(Reduce(image, PmImagePixel{0xAA000000}, kBlue, kGreen, kRed), (std::vector<int>{1, 1, 0}));
}

TEST(ReduceToFourColors, EmptyImageLeavesTheMatteUntouched) {
  const PmImage image;
  PmMatte matte = testimages::MatteRow({7, 8});
  ReduceToFourColors(image, matte, kBlack, kBlue, kGreen, kRed);
  EXPECT_EQ(ValuesOf(matte), (std::vector<int>{7, 8}));
}

TEST(ReduceToFourColors, SmallerMatteIsFilledAndNothingBeyondItIsWritten) {
  const PmImage image = ImageRow({0x0000FF, 0x00FF00, 0xFF0000, 0x0000FF});
  PmMatte matte(PmPoint{2, 1});
  ReduceToFourColors(image, matte, kBlack, kBlue, kGreen, kRed);
  EXPECT_EQ(ValuesOf(matte), (std::vector<int>{1, 2}));
}

TEST(ReduceToFourColors, LargerMatteKeepsItsElementsBeyondTheImage) {
  const PmImage image = ImageRow({0xFF0000});
  PmMatte matte = testimages::MatteRow({9, 9, 9});
  ReduceToFourColors(image, matte, kBlack, kBlue, kGreen, kRed);
  EXPECT_EQ(ValuesOf(matte), (std::vector<int>{3, 9, 9}));
}

TEST(ReduceToFourColors, ReducingThenExpandingSnapsEveryPixelToItsNearestColour) {
  const PmImage original = ImageRow({0x0000FF, 0x00FF00, 0x202020, 0xE01020, 0x00A0B0, 0x000000});
  PmMatte matte(original.GetSize());
  ReduceToFourColors(original, matte, kBlack, kBlue, kGreen, kRed);
  PmImage expanded(original.GetSize());
  ExpandToTrueColor(matte, expanded, kBlack, kBlue, kGreen, kRed);
  EXPECT_EQ(testimages::PixelsOf(expanded),
            (std::vector<std::uint32_t>{0x0000FF, 0x00FF00, 0x000000, 0xFF0000, 0x0000FF, 0x000000}));
}

}  // namespace
