#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ImageBuilders.h"
#include "PixmoraUtils.h"

namespace {

using testimages::ImageRow;
using testimages::MatteRow;
using testimages::PixelsOf;

const PmImagePixel k0{0x11000001}, k1{0x22000002}, k2{0x33000003}, k3{0xFF000004};

TEST(ExpandToTrueColor, WritesTheWholeReferenceColourIncludingTheTopByte) {
  const PmMatte matte = MatteRow({0, 1, 2, 3, 3, 0});
  PmImage image(matte.GetSize());
  ExpandToTrueColor(matte, image, k0, k1, k2, k3);
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{0x11000001, 0x22000002, 0x33000003, 0xFF000004,
                                                         0xFF000004, 0x11000001}));
}

TEST(ExpandToTrueColor, ValuesAboveThreeLeaveTheirPixelAsItWas) {
  const PmMatte matte = MatteRow({4, 1, 255, 128});
  PmImage image = ImageRow({0xAAAAAAAA, 0xBBBBBBBB, 0xCCCCCCCC, 0xDDDDDDDD});
  ExpandToTrueColor(matte, image, k0, k1, k2, k3);
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{0xAAAAAAAA, 0x22000002, 0xCCCCCCCC, 0xDDDDDDDD}));
}

TEST(ExpandToTrueColor, EmptyMatteLeavesTheImageUntouched) {
  const PmMatte matte;
  PmImage image = ImageRow({0x12345678});
  ExpandToTrueColor(matte, image, k0, k1, k2, k3);
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{0x12345678}));
}

TEST(ExpandToTrueColor, SmallerImageIsFilledAndNothingBeyondItIsWritten) {
  const PmMatte matte = MatteRow({3, 2, 1, 0, 3});
  PmImage image(PmPoint{1, 2});
  ExpandToTrueColor(matte, image, k0, k1, k2, k3);
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{0xFF000004, 0x33000003}));
}

TEST(ExpandToTrueColor, LongRunsMatchElementByElement) {
  // Long enough for the vector loop and an odd tail.
  PmMatte matte(PmPoint{37, 3});
  std::uint8_t next = 0;
  for (auto element = matte.begin(), end = matte.end(); element != end; ++element) *element = next++ % 6;
  PmImage image(matte.GetSize());
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel) *pixel = 0x5A5A5A5A;
  ExpandToTrueColor(matte, image, k0, k1, k2, k3);
  const std::uint32_t expected[6] = {0x11000001, 0x22000002, 0x33000003, 0xFF000004, 0x5A5A5A5A, 0x5A5A5A5A};
  const auto pixels = PixelsOf(image);
  for (std::size_t i = 0; i < pixels.size(); ++i) ASSERT_EQ(pixels[i], expected[i % 6]) << "pixel " << i;
}

}  // namespace
