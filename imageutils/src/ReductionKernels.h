// The loops behind ReduceToFourColors: each writes, for `count` pixels, the
// index of the nearest of four reference colours (ties to the highest index).
// The portable loop runs everywhere; the AVX2 loop gives the same indices
// faster where the processor has AVX2. Tests hold one against the other.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Pixmora.h"

namespace pixmorautils_internal {

using ReferenceColors = PmImagePixel[4];

// The literal tournament over squared distances, one pixel at a time.
void ReduceRunPortable(const PmImagePixel* pixels, std::uint8_t* indices, std::size_t count,
                       const ReferenceColors& reference);

#if defined(__x86_64__) || defined(__i386__)
#define PIXMORAUTILS_AVX2_PATH 1

// True when this processor can run ReduceRunAvx2.
bool CanReduceWithAvx2();

// Eight pixels at a time; the pixels that do not fill a group of eight go
// through the portable loop. Call only where CanReduceWithAvx2().
void ReduceRunAvx2(const PmImagePixel* pixels, std::uint8_t* indices, std::size_t count,
                   const ReferenceColors& reference);
#endif

// The fastest loop this processor can run.
void ReduceRun(const PmImagePixel* pixels, std::uint8_t* indices, std::size_t count,
               const ReferenceColors& reference);

}  // namespace pixmorautils_internal
