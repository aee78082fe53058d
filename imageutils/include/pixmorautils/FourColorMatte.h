/// @file
/// Four-colour mattes: every pixel of a true-colour image replaced by the index
/// (0 to 3) of the nearest of four reference colours, and back.
///
/// Pixel n of the image corresponds to element n of the matte. Neither function
/// resizes its destination; the caller passes one with the source's size. A
/// destination with fewer elements than its source receives only as many
/// elements as it has; nothing is written past its end.
///
/// Iterators are obtained from the source (begin, then end) and then from the
/// destination (begin), and released in the reverse order, also when an
/// exception from the image library passes through.
#pragma once

#include "Pixmora.h"
#include "PixmoraUtilsExport.h"

/// Writes into `matte` the index of the reference colour nearest to each pixel
/// of `image`: the smallest sum of squared differences of the three colour
/// bytes (bits 16-23, 8-15, 0-7; the top byte is ignored). Among equally near
/// colours the highest index wins.
PIXMORAUTILS_EXPORT void ReduceToFourColors(const PmImage& image, PmMatte& matte, PmImagePixel color0,
                                            PmImagePixel color1, PmImagePixel color2,
                                            PmImagePixel color3);

/// Writes into `image`, for every element of `matte` with a value 0 to 3, the
/// whole reference colour of that index (top byte included). Pixels whose
/// element holds 4 or more keep their value.
PIXMORAUTILS_EXPORT void ExpandToTrueColor(const PmMatte& matte, PmImage& image, PmImagePixel color0,
                                           PmImagePixel color1, PmImagePixel color2,
                                           PmImagePixel color3);
