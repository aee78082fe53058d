#include "platform/LegacyTextDecoder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::LegacyTextDecoder;

std::string Decoded(const char* encoding, const std::string& bytes) {
  LegacyTextDecoder decoder(encoding);
  std::string text;
  EXPECT_TRUE(decoder.Decode(bytes, true, text)) << encoding;
  return text;
}

TEST(LegacyTextDecoder, DecodesSingleAndMultiByteEncodingsToUTF8) {
  EXPECT_EQ(Decoded("windows-1251", "\xCF\xF0\xE8 <x>"), "\xD0\x9F\xD1\x80\xD0\xB8 <x>");
  EXPECT_EQ(Decoded("KOI8-R", "\xF0\xD2\xC9"), "\xD0\x9F\xD1\x80\xD0\xB8");
  EXPECT_EQ(Decoded("Shift_JIS", "\x95\x5C=\x82\xA0"), "\xE8\xA1\xA8=\xE3\x81\x82");
  EXPECT_EQ(Decoded("EUC-KR", "\xB0\xA1"), "\xEA\xB0\x80");
}

// Alef and patah; a and a combining acute: two characters each, as the
// bytes stand, never one composed presentation form.
TEST(LegacyTextDecoder, ALetterAndTheMarkAfterItStayTwoCharacters) {
  EXPECT_EQ(Decoded("windows-1255", "\xE0\xC7"), "\xD7\x90\xD6\xB7");
  EXPECT_EQ(Decoded("cp1255", "\xF9\xC8\xD1"), "\xD7\xA9\xD6\xB8\xD7\x81");
  EXPECT_EQ(Decoded("windows-1258", "a\xEC"), "a\xCC\x81");
  EXPECT_EQ(Decoded("windows-1258", "\xEA\xEC\xF4\xF2"), "\xC3\xAA\xCC\x81\xC3\xB4\xCC\xA3");
}

TEST(LegacyTextDecoder, ASingleByteTextDecodesTheSameWholeOrByteByByte) {
  const std::string bytes = "<\xE0\xC7\xE1\xCC\xC8>";
  LegacyTextDecoder decoder("windows-1255");
  std::string text;
  for (const char byte : bytes) EXPECT_TRUE(decoder.Decode(std::string(1, byte), false, text));
  EXPECT_TRUE(decoder.Decode("", true, text));
  EXPECT_EQ(text, Decoded("windows-1255", bytes));
  EXPECT_EQ(text, "<\xD7\x90\xD6\xB7\xD7\x91\xD6\xBC\xD6\xB8>");
}

TEST(LegacyTextDecoder, OpensTheAliasesDocumentsUse) {
  for (const char* name : {"SJIS", "x-sjis", "windows-31j", "cp1252", "latin2", "x-mac-cyrillic", "MacCyrillic",
                           "IBM855", "ibm866", "tis-620", "big5", "gb2312", "euc-jp", "KOI8-r"}) {
    EXPECT_TRUE(LegacyTextDecoder(name).IsOpen()) << name;
  }
}

TEST(LegacyTextDecoder, NamesThatAreNotEncodingNamesAreNotOpened) {
  for (const char* name : {"", "x-unheard-of", "KOI8-R//IGNORE", "1251", "windows 1251"}) {
    EXPECT_FALSE(LegacyTextDecoder(name).IsOpen()) << name;
  }
}

TEST(LegacyTextDecoder, ACharacterSplitBetweenTwoInputsIsDecodedWhole) {
  LegacyTextDecoder decoder("Shift_JIS");
  std::string text;
  EXPECT_TRUE(decoder.Decode("a\x95", false, text));
  EXPECT_TRUE(decoder.Decode("\x5C", true, text));
  EXPECT_EQ(text, "a\xE8\xA1\xA8");
}

TEST(LegacyTextDecoder, ALeadByteAtTheEndOfTheTextIsInvalid) {
  LegacyTextDecoder decoder("Shift_JIS");
  std::string text;
  EXPECT_TRUE(decoder.Decode("a\x82", false, text));
  EXPECT_FALSE(decoder.Decode("", true, text));
}

TEST(LegacyTextDecoder, AnInvalidByteSequenceStopsTheDecoderForGood) {
  LegacyTextDecoder decoder("EUC-KR");
  std::string text;
  EXPECT_FALSE(decoder.Decode("<a>\xAD\xA1</a>", true, text));
  EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos);  // nothing was replaced
  EXPECT_FALSE(decoder.Decode("<b/>", true, text));
}

}  // namespace
