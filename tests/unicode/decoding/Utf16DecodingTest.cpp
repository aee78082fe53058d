#include <gtest/gtest.h>

#include <string>

#include "Decoding.h"

namespace {

using decodingtest::Text;

class Utf16Decoding : public decodingtest::EveryStream {};

TEST_P(Utf16Decoding, ReadsUnitsInEitherByteOrder) {
  EXPECT_EQ(Run(UTF16LEToString, std::string("A\0\xAC\x20", 4)), Text(u"A\u20AC", 4));
  EXPECT_EQ(Run(UTF16BEToString, std::string("\0A\x20\xAC", 4)), Text(u"A\u20AC", 4));
}

TEST_P(Utf16Decoding, OddLastByteMakesAUnitWithAZeroPartner) {
  EXPECT_EQ(Run(UTF16LEToString, std::string("A\0B", 3)), Text(u"AB", 3));
  EXPECT_EQ(Run(UTF16BEToString, std::string("\0AB", 3)), Text(u"A\u4200", 3));
}

TEST_P(Utf16Decoding, CopiesSurrogatesAndMarksUnchecked) {
  EXPECT_EQ(Run(UTF16LEToString, std::string("\x00\xDC\xFF\xFE\x3D\xD8", 6)), Text(u"\xDC00\xFEFF\xD83D", 6));
  EXPECT_EQ(Run(UTF16BEToString, std::string("\xDC\x00\xFE\xFF\xD8\x3D", 6)), Text(u"\xDC00\xFEFF\xD83D", 6));
}

TEST_P(Utf16Decoding, EmptyInputGivesNothing) {
  EXPECT_EQ(Run(UTF16LEToString, ""), Text(u"", 0));
  EXPECT_EQ(Run(UTF16BEToString, ""), Text(u"", 0));
}

TEST_P(Utf16Decoding, AppendsBehindTextAlreadyThere) {
  EXPECT_EQ(Run(UTF16LEToString, std::string("b\0", 2), u"a"), Text(u"ab", 2));
}

TEST_P(Utf16Decoding, LongOddTextDecodesAcrossEveryBufferBoundary) {
  std::string bytes;
  UTF16String expected;
  for (int i = 0; i < 40001; ++i) {
    const auto unit = static_cast<char16_t>(i * 7919);
    bytes.push_back(static_cast<char>(unit >> 8));
    bytes.push_back(static_cast<char>(unit & 0xFF));
    expected.push_back(unit);
  }
  bytes.push_back('\x12');
  expected.push_back(u'\x1200');
  EXPECT_EQ(Run(UTF16BEToString, bytes), Text(expected, static_cast<std::uint32_t>(bytes.size())));
}

DECODING_ON_EVERY_STREAM(Utf16Decoding);

}  // namespace
