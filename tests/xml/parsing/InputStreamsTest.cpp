#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "arborix/FileBasedQURInputStream.h"
#include "arborix/UnicodeStringBasedQURInputStream.h"

namespace {

// Reads the whole stream in requests of `request` bytes.
std::vector<unsigned char> Drain(HQURBinInputStreamBase& stream, unsigned int request,
                                 std::vector<std::uint32_t>* positions = nullptr) {
  std::vector<unsigned char> bytes;
  std::vector<unsigned char> block(request);
  while (const unsigned int count = stream.readBytes(block.data(), request)) {
    EXPECT_LE(count, request);
    bytes.insert(bytes.end(), block.begin(), block.begin() + count);
    if (positions != nullptr) positions->push_back(stream.curPos());
  }
  return bytes;
}

TEST(UnicodeStringBasedQURInputStream, DeliversCodeUnitsLittleEndianWithoutMarkOrTerminator) {
  UnicodeStringBasedQURInputStream stream(u"<a/>");
  EXPECT_EQ(Drain(stream, 100), (std::vector<unsigned char>{0x3C, 0, 0x61, 0, 0x2F, 0, 0x3E, 0}));
  EXPECT_EQ(stream.curPos(), 8u);
}

TEST(UnicodeStringBasedQURInputStream, SplitsUnitsAcrossOddSizedReads) {
  UnicodeStringBasedQURInputStream stream(u"\u20AC\U0001F600");
  std::vector<std::uint32_t> positions;
  EXPECT_EQ(Drain(stream, 3, &positions), (std::vector<unsigned char>{0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE}));
  EXPECT_EQ(positions, (std::vector<std::uint32_t>{3, 6}));
}

TEST(UnicodeStringBasedQURInputStream, KeepsItsOwnCopyOfTheText) {
  std::u16string text = u"ab";
  UnicodeStringBasedQURInputStream stream(text);
  text = u"zz";
  EXPECT_EQ(Drain(stream, 1), (std::vector<unsigned char>{'a', 0, 'b', 0}));
}

TEST(UnicodeStringBasedQURInputStream, AnEmptyTextEndsAtOnce) {
  UnicodeStringBasedQURInputStream stream(u"");
  unsigned char byte = 0;
  EXPECT_EQ(stream.readBytes(&byte, 1), 0u);
  EXPECT_EQ(stream.curPos(), 0u);
}

TEST(FileBasedQURInputStream, DeliversTheFilesBytesUnchanged) {
  testsupport::TempDir folder;
  std::string bytes = "\xEF\xBB\xBF<r>\r\n";
  for (int i = 0; i < 20000; ++i) bytes += static_cast<char>(i * 7);
  File file(folder.Write("bytes.xml", bytes));
  FileBasedQURInputStream stream(file);
  std::vector<std::uint32_t> positions;
  const std::vector<unsigned char> read = Drain(stream, 4099, &positions);
  EXPECT_EQ(std::string(read.begin(), read.end()), bytes);
  EXPECT_EQ(positions.back(), bytes.size());
  EXPECT_EQ(positions.front(), 4099u);
}

TEST(FileBasedQURInputStream, AMissingFileThrowsWhenTheStreamIsMade) {
  testsupport::TempDir folder;
  File missing(folder.Path() / "absent.xml");
  EXPECT_THROW(FileBasedQURInputStream{missing}, FileError);
}

}  // namespace
