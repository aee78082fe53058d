#include "ElementRun.h"
#include "ReductionKernels.h"
#include "pixmorautils/FourColorMatte.h"

void ReduceToFourColors(const PmImage& image, PmMatte& matte, PmImagePixel color0, PmImagePixel color1,
                        PmImagePixel color2, PmImagePixel color3) {
  // Declaration order is the order of registration; destruction releases in
  // reverse, on return and when an exception leaves.
  const auto pixel = image.begin();
  const auto pixelEnd = image.end();
  const auto index = matte.begin();
  const pixmorautils_internal::ReferenceColors reference = {color0, color1, color2, color3};
  pixmorautils_internal::ReduceRun(pixel.Address(), index.Address(),
                                   pixmorautils_internal::ElementRunLength(pixel, pixelEnd, matte), reference);
}
