#include <cstddef>
#include <cstdint>

#include "ElementRun.h"
#include "pixmorautils/FourColorMatte.h"

// Clones need ifunc, which Windows lacks: there the baseline loop serves alone.
#if (defined(__x86_64__) || defined(__i386__)) && !defined(_WIN32)
#define PIXMORAUTILS_CLONE_FOR_AVX2 __attribute__((target_clones("avx2", "default")))
#else
#define PIXMORAUTILS_CLONE_FOR_AVX2
#endif

namespace {

// A mask per reference colour instead of a table lookup or a chain of
// branches: masks vectorise, a lookup or a branch per element would not.
// Values of 4 and above match no mask and keep the pixel as it is. The loop
// is compiled twice, for AVX2 and for the baseline, and the processor picks.
std::uint32_t MaskWhere(bool condition) { return 0u - static_cast<std::uint32_t>(condition); }

PIXMORAUTILS_CLONE_FOR_AVX2 void ExpandRun(const std::uint8_t* __restrict indices, PmImagePixel* __restrict pixels, std::size_t count,
               std::uint32_t color0, std::uint32_t color1, std::uint32_t color2, std::uint32_t color3) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t value = indices[i];
    const std::uint32_t is0 = MaskWhere(value == 0);
    const std::uint32_t is1 = MaskWhere(value == 1);
    const std::uint32_t is2 = MaskWhere(value == 2);
    const std::uint32_t is3 = MaskWhere(value == 3);
    const std::uint32_t kept = static_cast<std::uint32_t>(pixels[i]) & ~(is0 | is1 | is2 | is3);
    pixels[i] = (color0 & is0) | (color1 & is1) | (color2 & is2) | (color3 & is3) | kept;
  }
}

}  // namespace

void ExpandToTrueColor(const PmMatte& matte, PmImage& image, PmImagePixel color0, PmImagePixel color1,
                       PmImagePixel color2, PmImagePixel color3) {
  // Declaration order is the order of registration; destruction releases in
  // reverse, on return and when an exception leaves.
  const auto index = matte.begin();
  const auto indexEnd = matte.end();
  const auto pixel = image.begin();
  ExpandRun(index.Address(), pixel.Address(), pixmorautils_internal::ElementRunLength(index, indexEnd, image),
            color0, color1, color2, color3);
}
