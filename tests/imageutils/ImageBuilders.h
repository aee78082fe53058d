// Small images and mattes written out in full, for tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "Pixmora.h"

namespace testimages {

// A width x 1 image holding `pixels`.
inline PmImage ImageRow(std::initializer_list<std::uint32_t> pixels) {
  PmImage image(PmPoint{static_cast<std::int32_t>(pixels.size()), 1});
  auto pixel = image.begin();
  for (const auto value : pixels) {
    *pixel = value;
    ++pixel;
  }
  return image;
}

inline PmMatte MatteRow(std::initializer_list<std::uint8_t> values) {
  PmMatte matte(PmPoint{static_cast<std::int32_t>(values.size()), 1});
  auto element = matte.begin();
  for (const auto value : values) {
    *element = value;
    ++element;
  }
  return matte;
}

inline std::vector<std::uint32_t> PixelsOf(const PmImage& image) {
  std::vector<std::uint32_t> pixels;
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel) pixels.push_back(*pixel);
  return pixels;
}

inline std::vector<int> ValuesOf(const PmMatte& matte) {
  std::vector<int> values;
  for (auto element = matte.begin(), end = matte.end(); element != end; ++element) values.push_back(*element);
  return values;
}

}  // namespace testimages
