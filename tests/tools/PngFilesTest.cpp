#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

#include "PngFiles.h"

// Every allocation of this program goes through here, so that a test can tell
// the largest single request made while it ran. The replacements pair malloc
// with free, which GCC cannot see once it has inlined them.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
namespace {
std::atomic<std::size_t> largestRequest{0};
}  // namespace

void* operator new(std::size_t size) {
  std::size_t seen = largestRequest.load();
  while (size > seen && !largestRequest.compare_exchange_weak(seen, size)) {
  }
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

const std::filesystem::path kData = ATELIER_TEST_DATA;
constexpr std::size_t kMiB = std::size_t{1} << 20;

std::vector<std::uint32_t> Pixels(const PmImage& image) {
  std::vector<std::uint32_t> pixels;
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel) pixels.push_back(*pixel);
  return pixels;
}

// The largest single allocation made by `run`.
template <class Run>
std::size_t LargestAllocationOf(Run run) {
  largestRequest = 0;
  run();
  return largestRequest.load();
}

TEST(PngReading, TheAllocationCounterSeesTheAllocationsOfThisProgram) {
  const std::size_t largest = LargestAllocationOf([] { auto block = std::make_unique<std::vector<char>>(3 * kMiB); });
  EXPECT_GE(largest, 3 * kMiB);
}

// 68-byte files whose headers claim 16000 x 16000 pixels (1 GB decoded) and
// whose data ends within the first row.
TEST(PngReading, AFileClaimingMorePixelsThanItsDataHoldsFailsBeforeAllocatingForTheClaim) {
  for (const char* name : {"claims-16000x16000.png", "claims-16000x16000-interlaced.png"}) {
    SCOPED_TRACE(name);
    const std::size_t largest = LargestAllocationOf([name] {
      EXPECT_THROW(atelier::ReadTrueColorPng(kData / name), std::runtime_error);
    });
    EXPECT_LT(largest, 16 * kMiB);
  }
}

TEST(PngReading, AnInterlacedFileGivesEveryPixelInPlace) {
  const PmImage image = atelier::ReadTrueColorPng(kData / "grey-3x3-interlaced.png");
  ASSERT_EQ(image.GetSize(), (PmPoint{3, 3}));
  std::vector<std::uint32_t> expected;
  for (std::uint32_t grey = 0; grey < 90; grey += 10) expected.push_back(grey << 16 | grey << 8 | grey);
  EXPECT_EQ(Pixels(image), expected);
}

TEST(PngReading, ATrueColourFileGivesItsRowsInOrder) {
  const PmImage image = atelier::ReadTrueColorPng(kData / "gradient-48x48.png");
  ASSERT_EQ(image.GetSize(), (PmPoint{48, 48}));
  const std::vector<std::uint32_t> pixels = Pixels(image);
  EXPECT_EQ(pixels[0], 0x000080u);
  EXPECT_EQ(pixels[47], 0xEB0080u);            // x = 47 on the first row: red 235
  EXPECT_EQ(pixels[48 * 47 + 1], 0x05EB80u);   // x = 1 on the last row: green 235
}

}  // namespace
