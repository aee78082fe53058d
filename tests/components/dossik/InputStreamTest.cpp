#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "Dossik.h"
#include "TempDir.h"

namespace {

std::string ReadAll(IByteStream& in) {
  std::string bytes;
  try {
    for (;;) bytes.push_back(static_cast<char>(in.ReadByte()));
  } catch (const EndOfDataError&) {
  }
  return bytes;
}

std::string AsText(const std::span<const unsigned char> bytes) { return {bytes.begin(), bytes.end()}; }

// A source that counts the block reads it serves.
class CountingSource : public IMemoryByteStream {
 public:
  using IMemoryByteStream::IMemoryByteStream;
  std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) override {
    requests.push_back(count);
    return IMemoryByteStream::ReadBlock(buffer, count);
  }
  std::vector<std::uint32_t> requests;
};

TEST(IPlatformByteStream, ReadsAFileAndKnowsItsLength) {
  testsupport::TempDir temp;
  IPlatformByteStream in(File(temp.Write("a.bin", "abc")));
  EXPECT_EQ(in.GetLength(), 3u);
  EXPECT_EQ(in.ReadByte(), 'a');
  EXPECT_EQ(in.GetPosition(), 1u);
  EXPECT_EQ(ReadAll(in), "bc");
  in.SetPosition(1);
  unsigned char block[8];
  EXPECT_EQ(in.ReadBlock(block, 8), 2u);
  EXPECT_EQ(in.GetPosition(), 3u);
}

TEST(IPlatformByteStream, ABlockReadStopsAtTheLengthItOpenedWithAndTheNextFindsWhatWasAppended) {
  testsupport::TempDir temp;
  const File file(temp.Write("growing.log", "abc"));
  IPlatformByteStream in(file);
  std::ofstream(file.GetPath(), std::ios::binary | std::ios::app) << "de";
  unsigned char block[8] = {};
  EXPECT_EQ(in.ReadBlock(block, 8), 3u);
  EXPECT_EQ(in.GetLength(), 3u);
  EXPECT_EQ(in.ReadBlock(block + 3, 5), 2u);
  EXPECT_EQ(in.GetPosition(), 5u);
  EXPECT_EQ(AsText(block), std::string("abcde\0\0\0", 8));
  EXPECT_EQ(in.ReadBlock(block, 8), 0u);
}

TEST(IPlatformByteStream, MissingFileNamesPathAndReason) {
  testsupport::TempDir temp;
  const auto path = temp.Path() / "none.str";
  try {
    IPlatformByteStream in{File(path)};
    FAIL() << "opened a missing file";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "cannot open '" + path.string() + "': No such file or directory");
  }
}

TEST(IPlatformByteStream, FolderCannotBeOpenedAsAFile) {
  testsupport::TempDir temp;
  EXPECT_THROW(IPlatformByteStream{File(temp.Path())}, FileError);
}

TEST(IPlatformByteStream, ReadingAtTheEndThrowsEndOfData) {
  testsupport::TempDir temp;
  IPlatformByteStream in(File(temp.Write("empty", "")));
  try {
    in.ReadByte();
    FAIL() << "read a byte from an empty file";
  } catch (const EndOfDataError& error) {
    EXPECT_STREQ(error.what(), "read past end of data");
  }
}

TEST(IBufferedByteStream, DeliversTheSourceBytesAcrossRefills) {
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes.push_back(static_cast<char>(i));
  CountingSource source(bytes.data(), bytes.size());
  IBufferedByteStream in(source, 16, 8);
  EXPECT_EQ(ReadAll(in), bytes);
  EXPECT_EQ(in.GetPosition(), 100u);
  EXPECT_EQ(in.GetLength(), 100u);
  EXPECT_EQ(source.requests.front(), 16u);
}

TEST(IBufferedByteStream, StartsAtTheSourcePosition) {
  IMemoryByteStream source("abcdef", 6);
  source.SetPosition(4);
  IBufferedByteStream in(source, 16, 8);
  EXPECT_EQ(in.GetPosition(), 4u);
  EXPECT_EQ(ReadAll(in), "ef");
}

TEST(IBufferedByteStream, SettingBackWithinTheBufferDoesNotTouchTheSource) {
  CountingSource source("abcdef", 6);
  IBufferedByteStream in(source, 16, 8);
  in.ReadByte();
  in.ReadByte();
  in.SetPosition(0);
  EXPECT_EQ(ReadAll(in), "abcdef");
  EXPECT_EQ(source.requests.size(), 2u);  // one fill, one that found the end
}

TEST(IBufferedByteStream, SettingOutsideTheBufferMovesTheSource) {
  std::string bytes(100, 'x');
  bytes[90] = 'y';
  IMemoryByteStream source(bytes.data(), bytes.size());
  IBufferedByteStream in(source, 16, 8);
  in.ReadByte();
  in.SetPosition(90);
  EXPECT_EQ(in.ReadByte(), 'y');
  EXPECT_EQ(in.GetPosition(), 91u);
}

TEST(IBufferedByteStream, LargeBlockReadsGoStraightToTheSource) {
  std::string bytes(100, 'x');
  CountingSource source(bytes.data(), bytes.size());
  IBufferedByteStream in(source, 16, 8);
  unsigned char block[100];
  EXPECT_EQ(in.ReadBlock(block, 3), 3u);  // small: through a 16-byte fill
  EXPECT_EQ(in.ReadBlock(block, 50), 50u);
  EXPECT_EQ(in.GetPosition(), 53u);
  EXPECT_THAT(source.requests, ::testing::ElementsAre(16u, 37u));
  EXPECT_EQ(in.ReadBlock(block, 100), 47u);
}

TEST(IBufferedByteStream, ASmallReadOfAllTheSourceHasLeftGoesStraightToIt) {
  unsigned char block[8];
  CountingSource whole("abcdefgh", 8);
  IBufferedByteStream wholeIn(whole, 16, 64);
  EXPECT_EQ(wholeIn.ReadBlock(block, 8), 8u);
  EXPECT_TRUE(wholeIn.Window().empty());
  EXPECT_THAT(whole.requests, ::testing::ElementsAre(8u));

  CountingSource rest("abcdefgh", 8);
  rest.SetPosition(3);
  IBufferedByteStream restIn(rest, 16, 64);
  EXPECT_EQ(restIn.ReadBlock(block, 6), 5u);
  EXPECT_EQ(AsText({block, 5}), "defgh");
  EXPECT_THAT(rest.requests, ::testing::ElementsAre(6u));

  // One byte less than is left: the buffer is filled, and holds the last byte.
  CountingSource most("abcdefgh", 8);
  IBufferedByteStream mostIn(most, 16, 64);
  EXPECT_EQ(mostIn.ReadBlock(block, 7), 7u);
  EXPECT_EQ(AsText(mostIn.Window()), "h");
  EXPECT_THAT(most.requests, ::testing::ElementsAre(16u));
}

TEST(IBufferedByteStream, WindowShowsBufferedBytesAndSkipMovesOverThem) {
  IMemoryByteStream source("abcdef", 6);
  IBufferedByteStream in(source, 4, 2);
  EXPECT_TRUE(in.Window().empty());  // nothing is read before the first request
  in.ReadByte();
  EXPECT_EQ(AsText(in.Window()), "bcd");
  in.Skip(2);
  EXPECT_EQ(in.GetPosition(), 3u);
  EXPECT_EQ(in.ReadByte(), 'd');
  EXPECT_EQ(in.ReadByte(), 'e');
}

TEST(IMemoryByteStream, WindowIsEverythingFromThePosition) {
  IMemoryByteStream in("abcdef", 6);
  in.SetPosition(2);
  EXPECT_EQ(AsText(in.Window()), "cdef");
  in.Skip(4);
  EXPECT_TRUE(in.Window().empty());
  EXPECT_THROW(in.ReadByte(), EndOfDataError);
  in.SetPosition(10);
  EXPECT_TRUE(in.Window().empty());
  unsigned char byte = 0;
  EXPECT_EQ(in.ReadBlock(&byte, 1), 0u);
}

}  // namespace
