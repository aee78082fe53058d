// Reduction and expansion of a 4096 x 4096 image, in pixels per second, beside
// a plain memcpy of the image's bytes in the same run: both conversions are
// bound by memory bandwidth, so memcpy is the yardstick.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "PixmoraUtils.h"

namespace {

constexpr PmPoint kSize{4096, 4096};
constexpr std::int64_t kPixels = std::int64_t{kSize.x} * kSize.y;

const PmImagePixel kBlack{0x000000}, kRed{0xFF0000}, kGreen{0x00FF00}, kBlue{0x0000FF};

// Noise rather than a smooth picture, so that no branch could be predicted.
PmImage NoiseImage() {
  PmImage image(kSize);
  std::mt19937 random(42);
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel) *pixel = random();
  return image;
}

void BM_MemcpyImageBytes(benchmark::State& state) {
  const std::vector<std::uint32_t> source(kPixels, 0x12345678);
  std::vector<std::uint32_t> target(kPixels);
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), source.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kPixels);
  state.SetBytesProcessed(state.iterations() * kPixels * 4);
}

void BM_ReduceToFourColors(benchmark::State& state) {
  const PmImage image = NoiseImage();
  PmMatte matte(kSize);
  for (auto _ : state) {
    ReduceToFourColors(image, matte, kBlack, kRed, kGreen, kBlue);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kPixels);
}

void BM_ExpandToTrueColor(benchmark::State& state) {
  PmImage image = NoiseImage();
  PmMatte matte(kSize);
  ReduceToFourColors(image, matte, kBlack, kRed, kGreen, kBlue);
  for (auto _ : state) {
    ExpandToTrueColor(matte, image, kBlack, kRed, kGreen, kBlue);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kPixels);
}

BENCHMARK(BM_MemcpyImageBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReduceToFourColors)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandToTrueColor)->Unit(benchmark::kMillisecond);

}  // namespace
