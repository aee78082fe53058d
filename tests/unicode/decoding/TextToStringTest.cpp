#include <gtest/gtest.h>

#include <string>

#include "Decoding.h"

namespace {

using decodingtest::Fault;
using decodingtest::Text;

class TextDecoding : public decodingtest::EveryStream {
 protected:
  decodingtest::Outcome Decode(const std::string& bytes, UTF16String initial = u"") {
    return Run(TextToString, bytes, std::move(initial));
  }
};

TEST_P(TextDecoding, MarkChoosesTheDecoderAndIsSkipped) {
  EXPECT_EQ(Decode(std::string("\xFE\xFF\0A", 4)), Text(u"A", 4));
  EXPECT_EQ(Decode(std::string("\xFF\xFE" "A\0", 4)), Text(u"A", 4));
  EXPECT_EQ(Decode("\xEF\xBB\xBF" "A"), Text(u"A", 4));
}

TEST_P(TextDecoding, TextWithoutAMarkIsUtf8FromItsFirstByte) {
  EXPECT_EQ(Decode("ABC"), Text(u"ABC", 3));
  EXPECT_EQ(Decode("\xC3\xA9t\xC3\xA9"), Text(u"\u00E9t\u00E9", 5));
  EXPECT_EQ(Decode("\xEF\xBB" "A"), Fault(u"", "invalid_utf8_sequence", 3));
}

TEST_P(TextDecoding, MarkAloneGivesNothing) {
  EXPECT_EQ(Decode("\xEF\xBB\xBF"), Text(u"", 3));
  EXPECT_EQ(Decode("\xFE\xFF"), Text(u"", 2));
  EXPECT_EQ(Decode("\xFF\xFE"), Text(u"", 2));
}

TEST_P(TextDecoding, Utf16MarksAreTriedBeforeTheUtf8Mark) {
  // No UTF-32 detection: FF FE 00 00 is UTF-16 beginning with U+0000.
  EXPECT_EQ(Decode(std::string("\xFF\xFE\0\0", 4)), Text(UTF16String(1, u'\0'), 4));
}

TEST_P(TextDecoding, HalfAMarkIsDecodedAsUtf8) {
  // FE announces five more bytes, which the text does not have.
  EXPECT_EQ(Decode("\xFE" "AB"), Fault(u"", "unexpected_eof_utf8", 3));
}

TEST_P(TextDecoding, TextTooShortForAMarkIsStillText) {
  EXPECT_EQ(Decode(""), Text(u"", 0));
  EXPECT_EQ(Decode("A"), Text(u"A", 1));
  EXPECT_EQ(Decode("AB"), Text(u"AB", 2));
  EXPECT_EQ(Decode("\xC3\xA9"), Text(u"\u00E9", 2));
  EXPECT_EQ(Decode("\xFF"), Fault(u"", "unexpected_eof_utf8", 1));
}

TEST_P(TextDecoding, AppendsBehindTextAlreadyThere) {
  EXPECT_EQ(Decode(std::string("\xFF\xFE" "b\0", 4), u"a"), Text(u"ab", 4));
  EXPECT_EQ(Decode("b", u"a"), Text(u"ab", 1));
}

TEST_P(TextDecoding, ProbesFromWhereTheStreamStands) {
  EXPECT_EQ(Run(TextToString, "xx\xEF\xBB\xBF" "A", u"", 2), Text(u"A", 6));
  EXPECT_EQ(Run(TextToString, "xxABC", u"", 2), Text(u"ABC", 5));
}

DECODING_ON_EVERY_STREAM(TextDecoding);

TEST(TextToString, StreamErrorsOtherThanItsEndPassThroughTheProbe) {
  decodingtest::ScriptedStream in("ABCDEF");
  in.FailReadsFrom(1);
  UTF16String out = u"kept";
  EXPECT_THROW(TextToString(in, out), std::runtime_error);
  EXPECT_EQ(out, u"kept");
}

}  // namespace
