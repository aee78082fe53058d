#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "Pixmora.h"

namespace {

std::vector<std::uint32_t> PixelsOf(const PmImage& image) {
  std::vector<std::uint32_t> pixels;
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel) pixels.push_back(*pixel);
  return pixels;
}

PmImage CountingImage(const PmPoint& size) {
  PmImage image(size);
  std::uint32_t next = 1;
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel) *pixel = next++;
  return image;
}

int resizedCalls = 0;
void CountResize() { ++resizedCalls; }

TEST(PmImageReInit, WithoutKeepingEveryPixelBecomesZero) {
  PmImage image = CountingImage(PmPoint{2, 2});
  image.ReInit(PmPoint{3, 1}, false, nullptr);
  EXPECT_EQ(image.GetSize(), (PmPoint{3, 1}));
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{0, 0, 0}));
}

TEST(PmImageReInit, KeepingLeavesTheOverlapInPlace) {
  PmImage image = CountingImage(PmPoint{3, 2});  // 1 2 3 / 4 5 6
  image.ReInit(PmPoint{2, 3}, true, nullptr);
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{1, 2, 4, 5, 0, 0}));
}

TEST(PmImageReInit, CallsTheResizedFunctionOnceAfterwards) {
  PmImage image;
  resizedCalls = 0;
  image.ReInit(PmPoint{1, 1}, false, CountResize);
  EXPECT_EQ(resizedCalls, 1);
}

TEST(PmImageReInit, RefusedSizeLeavesTheImageAsItWas) {
  PmImage image = CountingImage(PmPoint{2, 1});
  EXPECT_THROW(image.ReInit(PmPoint{-2, 1}, false, nullptr), std::invalid_argument);
  EXPECT_EQ(image.GetSize(), (PmPoint{2, 1}));
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{1, 2}));
}

TEST(PmImageReInit, IsRefusedWhileAnIteratorWalksTheImage) {
  PmImage image(PmPoint{2, 2});
  const auto held = image.begin();
  EXPECT_THROW(image.ReInit(PmPoint{1, 1}, false, nullptr), std::logic_error);
  EXPECT_EQ(image.GetSize(), (PmPoint{2, 2}));
}

}  // namespace
