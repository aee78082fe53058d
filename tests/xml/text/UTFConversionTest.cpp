#include <gtest/gtest.h>

#include <random>
#include <string>

#include "Arborix.h"

namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(UTF8to16, DecodesEveryLengthOfSequence) {
  EXPECT_EQ(UTF8to16(Bytes({0x41, 0xC3, 0xA9})), u"\x0041\x00E9");
  EXPECT_EQ(UTF8to16(Bytes({0xE2, 0x82, 0xAC})), u"\x20AC");
  EXPECT_EQ(UTF8to16(Bytes({0xF0, 0x9F, 0x98, 0x80})), u"\xD83D\xDE00");
  EXPECT_EQ(UTF8to16(Bytes({0xF4, 0x8F, 0xBF, 0xBF})), u"\xDBFF\xDFFF");
  EXPECT_EQ(UTF8to16(Bytes({0xEF, 0xBF, 0xBF, 0x00, 0x7F})), UTF16String(u"\xFFFF\x0000\x007F", 3));
  EXPECT_EQ(UTF8to16(""), u"");
}

TEST(UTF8to16, AcceptsEncodedSurrogatesAsTheyAre) {
  EXPECT_EQ(UTF8to16(Bytes({0xED, 0xA0, 0x80})), u"\xD800");
  EXPECT_EQ(UTF8to16(Bytes({0xED, 0xBF, 0xBF, 0x41})), u"\xDFFF\x0041");
}

TEST(UTF8to16, StopsAtAnIncompleteSequenceAndDropsTheRest) {
  EXPECT_EQ(UTF8to16(Bytes({0x41, 0xC3})), u"A");
  EXPECT_EQ(UTF8to16(Bytes({0x41, 0xE2, 0x82})), u"A");
  EXPECT_EQ(UTF8to16(Bytes({0x41, 0xF0, 0x9F, 0x98})), u"A");
}

TEST(UTF8to16, StopsAtTheFirstIllFormedSequenceAndDropsTheRest) {
  EXPECT_EQ(UTF8to16(Bytes({0x41, 0x80, 0x42})), u"A");        // stray continuation byte
  EXPECT_EQ(UTF8to16(Bytes({0xC0, 0x80})), u"");               // overlong two-byte
  EXPECT_EQ(UTF8to16(Bytes({0xC1, 0xBF, 0x41})), u"");         // overlong two-byte
  EXPECT_EQ(UTF8to16(Bytes({0x41, 0xE0, 0x9F, 0xBF})), u"A");  // overlong three-byte
  EXPECT_EQ(UTF8to16(Bytes({0xF0, 0x8F, 0xBF, 0xBF})), u"");   // overlong four-byte
  EXPECT_EQ(UTF8to16(Bytes({0xF4, 0x90, 0x80, 0x80})), u"");   // above U+10FFFF
  EXPECT_EQ(UTF8to16(Bytes({0xF5, 0x80, 0x80, 0x80})), u"");   // lead above F4
  EXPECT_EQ(UTF8to16(Bytes({0xF4, 0x41, 0x80, 0x80})), u"");   // second byte not a continuation
  EXPECT_EQ(UTF8to16(Bytes({0xE2, 0x82, 0x41, 0x42})), u"");   // third byte not a continuation
  EXPECT_EQ(UTF8to16(Bytes({0xC3, 0xC3, 0xA9})), u"");         // second byte above BF
  EXPECT_EQ(UTF8to16(Bytes({0xF8, 0x88, 0x80, 0x80, 0x80, 0x41})), u"");  // five-byte form
  EXPECT_EQ(UTF8to16(Bytes({0xFC, 0x84, 0x80, 0x80, 0x80, 0x80, 0x41})), u"");  // six-byte form
}

TEST(UTF8to16, LongAsciiRunsAroundMultiByteSequencesKeepTheirOrder) {
  const std::string ascii = "0123456789abcdefghij";
  const std::string text = ascii + "\xC3\xA9" + ascii + "\xF0\x9F\x98\x80" + ascii + "\x80" + ascii;
  const UTF16String asciiUnits(ascii.begin(), ascii.end());
  EXPECT_EQ(UTF8to16(text), asciiUnits + u"\x00E9" + asciiUnits + u"\xD83D\xDE00" + asciiUnits);
}

TEST(UTF16to8, EncodesEveryRangeInItsShortestForm) {
  EXPECT_EQ(UTF16to8(UTF16String(u"\x0000\x007F", 2)), Bytes({0x00, 0x7F}));
  EXPECT_EQ(UTF16to8(u"\x0080\x07FF"), Bytes({0xC2, 0x80, 0xDF, 0xBF}));
  EXPECT_EQ(UTF16to8(u"\x0800\xFFFF"), Bytes({0xE0, 0xA0, 0x80, 0xEF, 0xBF, 0xBF}));
  EXPECT_EQ(UTF16to8(u"\xD83D\xDE00"), Bytes({0xF0, 0x9F, 0x98, 0x80}));
  EXPECT_EQ(UTF16to8(u"\xDBFF\xDFFF"), Bytes({0xF4, 0x8F, 0xBF, 0xBF}));
  EXPECT_EQ(UTF16to8(u""), "");
}

TEST(UTF16to8, EncodesUnpairedSurrogatesAsThreeBytesAndGoesOn) {
  EXPECT_EQ(UTF16to8(u"\xD800"), Bytes({0xED, 0xA0, 0x80}));
  EXPECT_EQ(UTF16to8(u"\xD800\x0041"), Bytes({0xED, 0xA0, 0x80, 0x41}));
  EXPECT_EQ(UTF16to8(u"\xDC00\xD800"), Bytes({0xED, 0xB0, 0x80, 0xED, 0xA0, 0x80}));
  EXPECT_EQ(UTF16to8(u"\xD800\xD800\xDC00"), Bytes({0xED, 0xA0, 0x80, 0xF0, 0x90, 0x80, 0x80}));
}

// UTF16to8 accepts every unit sequence, and UTF8to16 accepts everything it
// writes (encoded surrogates included), so any string survives the round trip.
TEST(UTFConversion, AnyUnitSequenceSurvivesTheRoundTrip) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> unit(0, 0xFFFF);
  std::uniform_int_distribution<int> surrogate(0xD800, 0xDFFF);
  for (int round = 0; round < 2000; ++round) {
    UTF16String text;
    for (int i = 0; i < 40; ++i) {
      // Bias towards surrogates so that pairs and strays both occur often.
      text.push_back(static_cast<char16_t>(i % 3 == 0 ? surrogate(random) : unit(random)));
    }
    ASSERT_EQ(UTF8to16(UTF16to8(text)), text);
  }
}

}  // namespace
