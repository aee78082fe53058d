#include "ReductionKernels.h"

#if PIXMORAUTILS_AVX2_PATH
#include <immintrin.h>
#endif

namespace pixmorautils_internal {
namespace {

// The three colour bytes of a pixel; the top byte plays no part in distances.
struct ColorBytes {
  std::int32_t high;
  std::int32_t middle;
  std::int32_t low;
};

ColorBytes SplitColor(std::uint32_t pixel) {
  return {static_cast<std::int32_t>((pixel >> 16) & 0xFF), static_cast<std::int32_t>((pixel >> 8) & 0xFF),
          static_cast<std::int32_t>(pixel & 0xFF)};
}

// Each term is at most 255², so the sum (at most 195075) fits in 32 bits.
std::uint32_t SquaredDistance(const ColorBytes& a, const ColorBytes& b) {
  const std::int32_t high = a.high - b.high;
  const std::int32_t middle = a.middle - b.middle;
  const std::int32_t low = a.low - b.low;
  return static_cast<std::uint32_t>(high * high + middle * middle + low * low);
}

// Two pairs, then their winners. A strict "less than" lets the higher index
// win every tie, so the result is the highest index among the nearest.
std::uint8_t NearestIndex(const ColorBytes& pixel, const ColorBytes (&reference)[4]) {
  const std::uint32_t d0 = SquaredDistance(pixel, reference[0]);
  const std::uint32_t d1 = SquaredDistance(pixel, reference[1]);
  const std::uint32_t d2 = SquaredDistance(pixel, reference[2]);
  const std::uint32_t d3 = SquaredDistance(pixel, reference[3]);
  const std::uint8_t a = d0 < d1 ? 0 : 1;
  const std::uint32_t distanceA = d0 < d1 ? d0 : d1;
  const std::uint8_t b = d2 < d3 ? 2 : 3;
  const std::uint32_t distanceB = d2 < d3 ? d2 : d3;
  return distanceA < distanceB ? a : b;
}

#if PIXMORAUTILS_AVX2_PATH
// Both 16-bit halves of a 32-bit lane.
std::int32_t WordPair(std::int32_t low, std::int32_t high) {
  return static_cast<std::int32_t>(static_cast<std::uint16_t>(low) |
                                   (static_cast<std::uint32_t>(static_cast<std::uint16_t>(high)) << 16));
}
#endif

}  // namespace

void ReduceRunPortable(const PmImagePixel* pixels, std::uint8_t* indices, std::size_t count,
                       const ReferenceColors& reference) {
  const ColorBytes split[4] = {SplitColor(reference[0]), SplitColor(reference[1]), SplitColor(reference[2]),
                               SplitColor(reference[3])};
  for (std::size_t i = 0; i < count; ++i) indices[i] = NearestIndex(SplitColor(pixels[i]), split);
}

#if PIXMORAUTILS_AVX2_PATH

bool CanReduceWithAvx2() { return __builtin_cpu_supports("avx2"); }

// D[k] = |p|² - 2 p·r[k] + |r[k]|², and |p|² is the same for every k, so the
// nearest colour is the one with the smallest |r[k]|² - 2 p·r[k]. The dot
// product is two multiply-adds of 16-bit pairs: (low, high) of the pixel
// with (low, high) of the reference, and (middle, 0) with (middle, 0).
// Scaled by 4, the key carries 3 - k in its two low bits, so the smallest key
// names the nearest colour and, among equal distances, the highest index.
__attribute__((target("avx2"))) void ReduceRunAvx2(const PmImagePixel* pixels, std::uint8_t* indices,
                                                   std::size_t count, const ReferenceColors& reference) {
  __m256i lowHighWeights[4];
  __m256i middleWeights[4];
  __m256i offsets[4];
  for (int k = 0; k < 4; ++k) {
    const ColorBytes color = SplitColor(reference[k]);
    lowHighWeights[k] = _mm256_set1_epi32(WordPair(-8 * color.low, -8 * color.high));
    middleWeights[k] = _mm256_set1_epi32(WordPair(-8 * color.middle, 0));
    offsets[k] = _mm256_set1_epi32(
        4 * (color.high * color.high + color.middle * color.middle + color.low * color.low) + 3 - k);
  }
  const __m256i lowAndHighBytes = _mm256_set1_epi32(0x00FF00FF);
  const __m256i lowByte = _mm256_set1_epi32(0xFF);
  const __m256i indexBits = _mm256_set1_epi32(3);

  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i pixel = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels + i));
    const __m256i lowHigh = _mm256_and_si256(pixel, lowAndHighBytes);
    const __m256i middle = _mm256_and_si256(_mm256_srli_epi32(pixel, 8), lowByte);
    __m256i key[4];
    for (int k = 0; k < 4; ++k) {
      key[k] = _mm256_add_epi32(_mm256_add_epi32(_mm256_madd_epi16(lowHigh, lowHighWeights[k]),
                                                 _mm256_madd_epi16(middle, middleWeights[k])),
                                offsets[k]);
    }
    const __m256i nearest = _mm256_min_epi32(_mm256_min_epi32(key[0], key[1]), _mm256_min_epi32(key[2], key[3]));
    const __m256i index = _mm256_xor_si256(_mm256_and_si256(nearest, indexBits), indexBits);
    const __m128i words = _mm_packs_epi32(_mm256_castsi256_si128(index), _mm256_extracti128_si256(index, 1));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(indices + i), _mm_packus_epi16(words, words));
  }
  ReduceRunPortable(pixels + i, indices + i, count - i, reference);
}

#endif

void ReduceRun(const PmImagePixel* pixels, std::uint8_t* indices, std::size_t count,
               const ReferenceColors& reference) {
#if PIXMORAUTILS_AVX2_PATH
  if (CanReduceWithAvx2()) return ReduceRunAvx2(pixels, indices, count, reference);
#endif
  ReduceRunPortable(pixels, indices, count, reference);
}

}  // namespace pixmorautils_internal
