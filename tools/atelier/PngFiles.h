// PNG files as the image library's images and mattes, for atelier's image
// commands. Files are read and written through the file library, so a write
// that fails leaves the previous file as it was and throws.
//
// A true-colour pixel holds red in bits 16-23, green in 8-15, blue in 0-7 and
// the transparency (255 - alpha) in bits 24-31, so that a colour written as
// RRGGBB is opaque.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "Dossik.h"
#include "Pixmora.h"

namespace atelier {

// Reads any PNG (grey, palette, RGB, with or without alpha, 1 to 16 bits) as
// true-colour pixels. Throws std::runtime_error naming the file and the
// fault when it is not a PNG, is damaged, or is too large for an image.
// Memory grows with the rows the file's data holds, not with the size it
// claims. The stream form names the data `name` in its errors.
PmImage ReadTrueColorPng(const std::filesystem::path& path);
PmImage ReadTrueColorPng(IByteStream& in, const std::string& name);

// A palette PNG: the index of every pixel, one matte element each, and the
// colours of the palette's entries in their order (1 to 256 of them), opaque.
struct IndexedPng {
  PmMatte matte;
  std::vector<PmImagePixel> palette;
};

// Reads a palette PNG. Throws std::runtime_error when the file is not a
// palette PNG or cannot be read.
IndexedPng ReadIndexedPng(const std::filesystem::path& path);
IndexedPng ReadIndexedPng(IByteStream& in, const std::string& name);

// Writes RGB when every pixel is opaque, RGBA otherwise.
void WriteTrueColorPng(const std::filesystem::path& path, const PmImage& image);

// Writes a 2-bit palette PNG whose four palette entries are `palette`
// (transparency ignored). Matte values must be 0 to 3.
void WriteIndexedPng(const std::filesystem::path& path, const PmMatte& matte,
                     const std::array<PmImagePixel, 4>& palette);

}  // namespace atelier
