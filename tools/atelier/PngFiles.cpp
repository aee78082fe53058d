#include "PngFiles.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "Dossik.h"
#include "FileWriting.h"
#include "PathArguments.h"

namespace atelier {
namespace {

// libpng reports errors by longjmp to the setjmp of the function that drives
// it; the handler keeps the message for the exception thrown from there. Only
// objects without destructors may be created between setjmp and libpng's calls.
struct PngSession {
  char message[256] = "unknown fault";
};

[[noreturn]] void KeepMessageAndJump(png_structp png, png_const_charp message) {
  auto* session = static_cast<PngSession*>(png_get_error_ptr(png));
  std::snprintf(session->message, sizeof session->message, "%s", message);
  png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

void ReadFromStream(png_structp png, png_bytep data, png_size_t length) {
  auto* in = static_cast<IByteStream*>(png_get_io_ptr(png));
  std::uint32_t read = 0;
  try {
    read = in->ReadBlock(data, static_cast<std::uint32_t>(length));
  } catch (const std::exception& error) {
    png_error(png, error.what());
  }
  if (read != length) png_error(png, "the file ends early");
}

void WriteToStream(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<OByteStream*>(png_get_io_ptr(png));
  try {
    out->WriteBlock(data, static_cast<std::uint32_t>(length));
  } catch (const std::exception& error) {
    png_error(png, error.what());
  }
}

void FlushNothing(png_structp) {}

std::runtime_error PngError(const std::string& name, const char* message) {
  return std::runtime_error(name + ": " + message);
}

// A bound on what one file may ask us to allocate: 16384 x 16384 pixels.
constexpr std::size_t kLargestDecodedBytes = std::size_t{1} << 30;

enum class PixelForm { TrueColor, PaletteIndex };

// The decoded rows of a PNG: four bytes (R, G, B, A) per pixel for true
// colour, one index byte per pixel for palette images.
struct DecodedPng {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<unsigned char> bytes;
  std::vector<PmImagePixel> palette;  // of a palette image
};

// Reads the rows one at a time, the storage growing by a row as the first
// pass reaches it: a file that claims more rows than its data holds fails
// when its data ends, not after an allocation for everything it claims. (The
// first pass of an interlaced file has data for every eighth row, so there
// the storage runs up to eight rows ahead of the data; libpng's own limit of
// a million pixels per row bounds a row.)
DecodedPng Decode(IByteStream& in, const std::string& name, PixelForm form) {
  PngSession session;
  DecodedPng decoded;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &session, KeepMessageAndJump, IgnoreWarning);
  if (png == nullptr) throw PngError(name, "out of memory");
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    throw PngError(name, session.message);
  }
  png_set_read_fn(png, &in, ReadFromStream);
  png_read_info(png, info);
  const auto colorType = png_get_color_type(png, info);
  if (form == PixelForm::PaletteIndex) {
    if (colorType != PNG_COLOR_TYPE_PALETTE) png_error(png, "not a palette (indexed) PNG");
    png_colorp colors = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &colors, &count) == 0) png_error(png, "a palette PNG without its palette");
    for (int k = 0; k < count; ++k) {
      decoded.palette.push_back(static_cast<std::uint32_t>(colors[k].red) << 16 |
                                static_cast<std::uint32_t>(colors[k].green) << 8 | colors[k].blue);
    }
    png_set_packing(png);
  } else {
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  }
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  decoded.width = png_get_image_width(png, info);
  decoded.height = png_get_image_height(png, info);
  if (decoded.width > std::numeric_limits<std::int32_t>::max() ||
      decoded.height > std::numeric_limits<std::int32_t>::max()) {
    png_error(png, "too large for an image");
  }
  const std::size_t rowBytes = png_get_rowbytes(png, info);
  if (decoded.height != 0 && rowBytes > kLargestDecodedBytes / decoded.height) png_error(png, "too large to decode");
  for (int pass = 0; pass < passes; ++pass) {
    for (std::uint32_t y = 0; y < decoded.height; ++y) {
      if (pass == 0) decoded.bytes.resize(decoded.bytes.size() + rowBytes);
      png_read_row(png, decoded.bytes.data() + y * rowBytes, nullptr);
    }
  }
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return decoded;
}

DecodedPng DecodeFile(const std::filesystem::path& path, PixelForm form) {
  IPlatformByteStream file{File(path)};
  IBufferedByteStream in(file, 32768, 4096);
  return Decode(in, PathText(path), form);
}

PmPoint SizeOf(const DecodedPng& decoded) {
  return PmPoint{static_cast<std::int32_t>(decoded.width), static_cast<std::int32_t>(decoded.height)};
}

// Encodes `rows` (already in PNG order) with the header that `describe` sets.
template <class Describe>
void Encode(const std::filesystem::path& path, std::uint32_t width, std::uint32_t height,
            const std::vector<png_bytep>& rows, Describe describe) {
  WriteWholeFile(path, [&](OByteStream& out) {
    PngSession session;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &session, KeepMessageAndJump, IgnoreWarning);
    if (png == nullptr) throw PngError(PathText(path), "out of memory");
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
      png_destroy_write_struct(&png, &info);
      throw PngError(PathText(path), session.message);
    }
    png_set_write_fn(png, &out, WriteToStream, FlushNothing);
    describe(png, info, width, height);
    png_write_info(png, info);
    png_set_packing(png);
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
  });
}

template <class Element>
std::vector<png_bytep> RowsOf(std::vector<Element>& bytes, std::size_t rowBytes, std::uint32_t height) {
  std::vector<png_bytep> rows(height);
  for (std::uint32_t y = 0; y < height; ++y) rows[y] = bytes.data() + y * rowBytes;
  return rows;
}

PmImage TrueColorImage(const DecodedPng& decoded) {
  PmImage image(SizeOf(decoded));
  const unsigned char* rgba = decoded.bytes.data();
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel, rgba += 4) {
    *pixel = static_cast<std::uint32_t>(255 - rgba[3]) << 24 | static_cast<std::uint32_t>(rgba[0]) << 16 |
             static_cast<std::uint32_t>(rgba[1]) << 8 | rgba[2];
  }
  return image;
}

IndexedPng IndexMatte(const DecodedPng& decoded) {
  IndexedPng indexed{PmMatte(SizeOf(decoded)), decoded.palette};
  auto element = indexed.matte.begin();
  if (!decoded.bytes.empty()) std::memcpy(element.Address(), decoded.bytes.data(), decoded.bytes.size());
  return indexed;
}

}  // namespace

PmImage ReadTrueColorPng(const std::filesystem::path& path) {
  return TrueColorImage(DecodeFile(path, PixelForm::TrueColor));
}

PmImage ReadTrueColorPng(IByteStream& in, const std::string& name) {
  return TrueColorImage(Decode(in, name, PixelForm::TrueColor));
}

IndexedPng ReadIndexedPng(const std::filesystem::path& path) {
  return IndexMatte(DecodeFile(path, PixelForm::PaletteIndex));
}

IndexedPng ReadIndexedPng(IByteStream& in, const std::string& name) {
  return IndexMatte(Decode(in, name, PixelForm::PaletteIndex));
}

void WriteTrueColorPng(const std::filesystem::path& path, const PmImage& image) {
  const auto size = image.GetSize();
  bool opaque = true;
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel) opaque = opaque && (*pixel >> 24) == 0;
  const std::size_t channels = opaque ? 3 : 4;
  std::vector<unsigned char> bytes;
  bytes.reserve(image.ElementCount() * channels);
  for (auto pixel = image.begin(), end = image.end(); pixel != end; ++pixel) {
    const std::uint32_t value = *pixel;
    bytes.insert(bytes.end(), {static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 8),
                               static_cast<unsigned char>(value)});
    if (!opaque) bytes.push_back(static_cast<unsigned char>(255 - (value >> 24)));
  }
  const auto width = static_cast<std::uint32_t>(size.x), height = static_cast<std::uint32_t>(size.y);
  Encode(path, width, height, RowsOf(bytes, width * channels, height),
         [opaque](png_structp png, png_infop info, std::uint32_t w, std::uint32_t h) {
           png_set_IHDR(png, info, w, h, 8, opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA,
                        PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
         });
}

void WriteIndexedPng(const std::filesystem::path& path, const PmMatte& matte,
                     const std::array<PmImagePixel, 4>& palette) {
  const auto size = matte.GetSize();
  std::vector<unsigned char> bytes(matte.begin().Address(), matte.end().Address());
  for (const auto value : bytes) {
    if (value > 3) throw std::invalid_argument(PathText(path) + ": matte value above 3");
  }
  png_color colors[4];
  for (int k = 0; k < 4; ++k) {
    const std::uint32_t value = palette[k];
    colors[k] = {static_cast<png_byte>(value >> 16), static_cast<png_byte>(value >> 8),
                 static_cast<png_byte>(value)};
  }
  const auto width = static_cast<std::uint32_t>(size.x), height = static_cast<std::uint32_t>(size.y);
  Encode(path, width, height, RowsOf(bytes, width, height),
         [&colors](png_structp png, png_infop info, std::uint32_t w, std::uint32_t h) {
           png_set_IHDR(png, info, w, h, 2, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                        PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
           png_set_PLTE(png, info, colors, 4);
         });
}

}  // namespace atelier
