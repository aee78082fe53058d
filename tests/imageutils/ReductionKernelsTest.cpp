#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "ReductionKernels.h"

namespace {

using pixmorautils_internal::ReferenceColors;

// The tournament as first written down, with branches: the yardstick for both loops.
std::uint8_t TournamentIndex(std::uint32_t pixel, const ReferenceColors& reference) {
  std::uint32_t distance[4];
  for (int k = 0; k < 4; ++k) {
    const std::uint32_t color = reference[k];
    distance[k] = 0;
    for (int shift : {16, 8, 0}) {
      const int difference = static_cast<int>((pixel >> shift) & 0xFF) - static_cast<int>((color >> shift) & 0xFF);
      distance[k] += static_cast<std::uint32_t>(difference * difference);
    }
  }
  int a = 1, b = 3;
  if (distance[0] < distance[1]) a = 0;
  if (distance[2] < distance[3]) b = 2;
  return static_cast<std::uint8_t>(distance[a] < distance[b] ? a : b);
}

// Palettes that provoke ties: repeated colours, neighbours one step apart,
// opposite corners, and random ones.
std::vector<std::vector<std::uint32_t>> Palettes() {
  std::vector<std::vector<std::uint32_t>> palettes = {
      {0x000000, 0x0000FF, 0x00FF00, 0xFF0000}, {0x000000, 0x000002, 0xFF0000, 0x00FF00},
      {0x808080, 0x808080, 0x808080, 0x808080}, {0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF},
      {0x010101, 0x000000, 0x020202, 0x010101}, {0xFF000000, 0x00FFFFFF, 0x7F7F7F7F, 0x80808080}};
  std::mt19937 random(7);
  const auto next = [&] { return static_cast<std::uint32_t>(random()); };
  for (int i = 0; i < 20; ++i) palettes.push_back({next(), next(), next(), next()});
  return palettes;
}

// Pixels near the palette's colours and random ones, 203 of them so that the
// vector loop leaves a tail.
std::vector<PmImagePixel> PixelsAround(const std::vector<std::uint32_t>& palette, std::mt19937& random) {
  std::vector<PmImagePixel> pixels;
  for (int i = 0; i < 203; ++i) {
    const auto next = [&] { return static_cast<std::uint32_t>(random()); };
    const std::uint32_t base = palette[next() % 4] ^ (next() & 0x03030303);
    pixels.emplace_back(i % 3 == 0 ? next() : base);
  }
  return pixels;
}

void ExpectTournamentResults(void (*run)(const PmImagePixel*, std::uint8_t*, std::size_t, const ReferenceColors&)) {
  std::mt19937 random(11);
  for (const auto& palette : Palettes()) {
    const ReferenceColors reference = {palette[0], palette[1], palette[2], palette[3]};
    const auto pixels = PixelsAround(palette, random);
    std::vector<std::uint8_t> indices(pixels.size() + 1, 0xEE);
    run(pixels.data(), indices.data(), pixels.size(), reference);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      ASSERT_EQ(indices[i], TournamentIndex(pixels[i], reference)) << "pixel " << std::hex << pixels[i];
    }
    EXPECT_EQ(indices.back(), 0xEE) << "wrote past the end";
  }
}

TEST(ReductionKernels, PortableLoopPlaysTheTournament) {
  ExpectTournamentResults(pixmorautils_internal::ReduceRunPortable);
}

#if PIXMORAUTILS_AVX2_PATH
TEST(ReductionKernels, Avx2LoopGivesTheSameIndicesAsTheTournament) {
  if (!pixmorautils_internal::CanReduceWithAvx2()) GTEST_SKIP() << "this processor has no AVX2";
  ExpectTournamentResults(pixmorautils_internal::ReduceRunAvx2);
}
#endif

}  // namespace
