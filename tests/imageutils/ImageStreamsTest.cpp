#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ImageBuilders.h"
#include "PixmoraUtils.h"

namespace {

using Bytes = std::vector<unsigned char>;
using testimages::ImageRow;
using testimages::PixelsOf;

template <class Value>
Bytes Written(const Value& value) {
  OMemoryByteStream out;
  out << value;
  return out.Bytes();
}

Bytes Concatenated(Bytes first, const Bytes& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// A stream over bytes that cannot tell its length, like a pipe.
class LengthlessStream : public IByteStream {
 public:
  explicit LengthlessStream(Bytes bytes) : inner_(std::move(bytes)) {}
  unsigned char ReadByte() override { return inner_.ReadByte(); }
  std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) override {
    return inner_.ReadBlock(buffer, count);
  }
  void SetPosition(std::uint32_t position) override { inner_.SetPosition(position); }
  std::uint32_t GetPosition() const override { return inner_.GetPosition(); }
  std::uint32_t GetLength() const override { return 0; }

 private:
  IMemoryByteStream inner_;
};

TEST(PointStream, StoresXThenYAsLittleEndianIntegers) {
  EXPECT_EQ(Written(PmPoint{0x01020304, -2}), (Bytes{4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF}));
  IMemoryByteStream in(Written(PmPoint{-7, 65536}));
  PmPoint point;
  in >> point;
  EXPECT_EQ(point, (PmPoint{-7, 65536}));
}

TEST(PointStream, StreamEndingAfterTheFirstIntegerKeepsTheFirstField) {
  IMemoryByteStream in(Bytes{5, 0, 0, 0, 1});
  PmPoint point{1, 2};
  EXPECT_THROW(in >> point, EndOfDataError);
  EXPECT_EQ(point, (PmPoint{5, 2}));
}

TEST(PixelStream, StoresHighMiddleLowThenTopByte) {
  EXPECT_EQ(Written(PmImagePixel{0x44332211}), (Bytes{0x33, 0x22, 0x11, 0x44}));
  IMemoryByteStream in(Bytes{0x33, 0x22, 0x11, 0x44});
  PmImagePixel pixel;
  in >> pixel;
  EXPECT_EQ(static_cast<std::uint32_t>(pixel), 0x44332211u);
}

TEST(PixelStream, PixelIsStoredOnlyOnceAllFourBytesWereRead) {
  IMemoryByteStream in(Bytes{0x33, 0x22, 0x11});
  PmImagePixel pixel{0xDEADBEEF};
  EXPECT_THROW(in >> pixel, EndOfDataError);
  EXPECT_EQ(static_cast<std::uint32_t>(pixel), 0xDEADBEEFu);
}

TEST(ImageStream, StoresTheSizeThenEveryPixelInIteratorOrder) {
  PmImage image(PmPoint{2, 1});
  *image.begin() = 0xA1B2C3D4;
  EXPECT_EQ(Written(image), (Bytes{2, 0, 0, 0, 1, 0, 0, 0, 0xB2, 0xC3, 0xD4, 0xA1, 0, 0, 0, 0}));
}

TEST(ImageStream, WritingThenReadingGivesTheSameSizeAndPixels) {
  PmImage original(PmPoint{3, 2});
  std::uint32_t next = 0xFF000001;
  for (auto pixel = original.begin(), end = original.end(); pixel != end; ++pixel) *pixel = next += 0x01234567;
  IMemoryByteStream in(Written(original));
  PmImage copy = ImageRow({9});
  in >> copy;
  EXPECT_EQ(copy.GetSize(), original.GetSize());
  EXPECT_EQ(PixelsOf(copy), PixelsOf(original));
  EXPECT_EQ(in.GetPosition(), 8u + 4 * 6);
}

TEST(ImageStream, SizeWithoutPixelsIsStoredAloneAndReadAlone) {
  const PmImage empty(PmPoint{5, 0});
  EXPECT_EQ(Written(empty).size(), 8u);
  IMemoryByteStream in(Concatenated(Written(empty), Bytes{0xEE}));
  PmImage image = ImageRow({1, 2});
  in >> image;
  EXPECT_EQ(image.GetSize(), (PmPoint{5, 0}));
  EXPECT_EQ(in.GetPosition(), 8u);
}

TEST(ImageStream, UnreadableSizeLeavesTheImageUntouched) {
  IMemoryByteStream in(Bytes{1, 0, 0, 0, 1, 0});
  PmImage image = ImageRow({7, 8});
  EXPECT_THROW(in >> image, EndOfDataError);
  EXPECT_EQ(image.GetSize(), (PmPoint{2, 1}));
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{7, 8}));
}

TEST(ImageStream, ImplausibleSizesAreRefusedAndTheImageIsUntouched) {
  const PmPoint refused[] = {{-1, 1}, {1, -1}, {INT32_MIN, INT32_MIN}, {70000, 70000}, {INT32_MAX, INT32_MAX},
                             {32768, 32768}};
  for (const auto& size : refused) {
    IMemoryByteStream in(Concatenated(Written(size), Bytes(12, 0xAB)));
    PmImage image = ImageRow({7, 8});
    try {
      in >> image;
      ADD_FAILURE() << "size " << size.x << " x " << size.y << " was accepted";
    } catch (const StoredImageSizeError& error) {
      EXPECT_EQ(error.Size(), size);
    }
    EXPECT_EQ(image.GetSize(), (PmPoint{2, 1}));
    EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{7, 8}));
    EXPECT_EQ(image.ClientCount(), 0);
  }
}

TEST(ImageStream, SizeTheRestOfAStreamCannotHoldIsAnEndOfDataFoundBeforeReading) {
  for (const PmPoint size : {PmPoint{100, 100}, PmPoint{4, 1}, PmPoint{32767, 32767}}) {
    // Twelve bytes of pixels follow: fewer than any of these sizes needs.
    IMemoryByteStream in(Concatenated(Written(size), Bytes(12, 0xAB)));
    PmImage image = ImageRow({7, 8});
    try {
      in >> image;
      ADD_FAILURE() << "size " << size.x << " x " << size.y << " was accepted";
    } catch (const EndOfDataError& error) {
      const auto* refusal = dynamic_cast<const StoredImageTooShortError*>(&error);
      ASSERT_NE(refusal, nullptr) << error.what();
      EXPECT_EQ(refusal->Size(), size);
      EXPECT_NE(std::string(error.what()).find("but the stream holds only 12"), std::string::npos) << error.what();
    }
    EXPECT_EQ(in.GetPosition(), 8u);
    EXPECT_EQ(image.GetSize(), (PmPoint{2, 1}));
    EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{7, 8}));
  }
}

TEST(ImageStream, StreamOfUnknownLengthEndingAmidThePixelsLeavesTheImageAsItWas) {
  PmImage original = ImageRow({0x11111111, 0x22222222, 0x33333333});
  Bytes bytes = Written(original);
  bytes.erase(bytes.end() - 6, bytes.end());  // the last pixel and half of the second are missing
  LengthlessStream in(bytes);
  PmImage image = ImageRow({7});
  EXPECT_THROW(in >> image, EndOfDataError);
  EXPECT_EQ(image.GetSize(), (PmPoint{1, 1}));
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{7}));
  EXPECT_EQ(image.ClientCount(), 0);
}

TEST(ImageStream, HugeClaimFromAStreamOfUnknownLengthEndsAtItsDataAndLeavesTheImage) {
  // 24 bytes claiming 32767 x 32767 pixels: reading must not make room for
  // them all before the data runs out.
  LengthlessStream in(Concatenated(Written(PmPoint{32767, 32767}), Bytes(16, 0x5A)));
  PmImage image = ImageRow({7, 8});
  EXPECT_THROW(in >> image, EndOfDataError);
  EXPECT_EQ(image.GetSize(), (PmPoint{2, 1}));
  EXPECT_EQ(PixelsOf(image), (std::vector<std::uint32_t>{7, 8}));
  EXPECT_EQ(in.GetPosition(), 24u);
}

TEST(ImageStream, StreamOfUnknownLengthStillRefusesSizesNoStreamCanHold) {
  LengthlessStream in(Written(PmPoint{40000, 40000}));
  PmImage image;
  EXPECT_THROW(in >> image, StoredImageSizeError);
  EXPECT_EQ(image.GetSize(), (PmPoint{0, 0}));
}

}  // namespace
