#include <gtest/gtest.h>

#include <string>

#include "Decoding.h"

namespace {

using decodingtest::Fault;
using decodingtest::Text;

class Utf8Decoding : public decodingtest::EveryStream {
 protected:
  decodingtest::Outcome Utf8(const std::string& bytes, UTF16String initial = u"") {
    return Run(UTF8ToString, bytes, std::move(initial));
  }
};

TEST_P(Utf8Decoding, DecodesSequencesOfOneToFourBytes) {
  EXPECT_EQ(Utf8("A\xC3\xA9\xE2\x82\xAC"), Text(u"A\u00E9\u20AC", 6));
  EXPECT_EQ(Utf8("\xF0\x9F\x98\x80"), Text(u"\xD83D\xDE00", 4));
  EXPECT_EQ(Utf8("\xF4\x8F\xBF\xBF"), Text(u"\xDBFF\xDFFF", 4));
  EXPECT_EQ(Utf8("\xED\x9F\xBF\xEE\x80\x80"), Text(u"\uD7FF\uE000", 6));
}

TEST_P(Utf8Decoding, KeepsNulNoncharactersAndAMarkAsText) {
  EXPECT_EQ(Utf8(std::string("\0", 1) + "\xEF\xBF\xBE\xEF\xBF\xBF\xEF\xBB\xBF"),
            Text(UTF16String(u"\0\uFFFE\uFFFF\uFEFF", 4), 10));
}

TEST_P(Utf8Decoding, EmptyInputGivesNothing) { EXPECT_EQ(Utf8(""), Text(u"", 0)); }

TEST_P(Utf8Decoding, AppendsBehindTextAlreadyThere) { EXPECT_EQ(Utf8("b\xC3\xA9", u"a"), Text(u"ab\u00E9", 3)); }

TEST_P(Utf8Decoding, RefusesOverlongMalformedAndTooLongSequences) {
  for (const std::string bytes : {"\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xE0\x9F\xBF", "\xF0\x80\x80\x80",
                                  "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF4\x41\x80\x80", "\x80", "\xBF",
                                  "\xC3\x41", "\xE2\x82\x41", "\xF0\x9F\x98\x41", "\xF5\x80\x80\x80",
                                  "\xF7\xBF\xBF\xBF", "\xF8\x88\x80\x80\x80", "\xFF\x80\x80\x80\x80\x80"}) {
    const auto consumed = static_cast<std::uint32_t>(bytes.size());
    EXPECT_EQ(Utf8(bytes), Fault(u"", "invalid_utf8_sequence", consumed)) << ::testing::PrintToString(bytes);
  }
}

TEST_P(Utf8Decoding, RefusesAnEncodedSurrogateByValue) {
  EXPECT_EQ(Utf8("\xED\xA0\x80"), Fault(u"", "invalid_utf8_value", 3));
  EXPECT_EQ(Utf8("\xED\xBF\xBF"), Fault(u"", "invalid_utf8_value", 3));
}

TEST_P(Utf8Decoding, InputEndingInsideASequenceIsAnUnexpectedEnd) {
  EXPECT_EQ(Utf8("a\xC3"), Fault(u"a", "unexpected_eof_utf8", 2));
  EXPECT_EQ(Utf8("\xE2\x82"), Fault(u"", "unexpected_eof_utf8", 2));
  // Lead bytes F8-FF announce more bytes, and the end comes before judging them.
  EXPECT_EQ(Utf8("\xFF"), Fault(u"", "unexpected_eof_utf8", 1));
  EXPECT_EQ(Utf8("\xFC\x80\x80\x80\x80"), Fault(u"", "unexpected_eof_utf8", 5));
}

TEST_P(Utf8Decoding, FaultKeepsEarlierUnitsAndConsumesTheBadSequence) {
  // The stream stands one byte past the bad sequence: the cursor had read ahead.
  EXPECT_EQ(Utf8("ab\xC3\x41" "cd", u">"), Fault(u">ab", "invalid_utf8_sequence", 5));
  EXPECT_EQ(Utf8("\xE2\x82\xAC\xED\xA0\x80xyz"), Fault(u"\u20AC", "invalid_utf8_value", 7));
}

TEST_P(Utf8Decoding, LongTextDecodesAcrossEveryBufferBoundary) {
  const std::string piece = "plain ASCII text, \xC3\xA9t\xC3\xA9, \xD0\x9C\xD0\xB8\xD1\x80, \xE6\x97\xA5\xE6\x9C\xAC, "
                            "\xF0\x9F\x98\x80!\n";
  const UTF16String units = u"plain ASCII text, \u00E9t\u00E9, \u041C\u0438\u0440, \u65E5\u672C, \xD83D\xDE00!\n";
  std::string bytes;
  UTF16String expected;
  for (int i = 0; i < 2000; ++i) {
    bytes += piece;
    expected += units;
  }
  EXPECT_EQ(Utf8(bytes), Text(expected, static_cast<std::uint32_t>(bytes.size())));
}

TEST_P(Utf8Decoding, FaultDeepInLongTextKeepsEverythingBeforeIt) {
  std::string bytes(100000, 'x');
  bytes[70001] = '\xC0';
  const auto outcome = Utf8(bytes);
  EXPECT_EQ(outcome.fault, "invalid_utf8_sequence");
  EXPECT_EQ(outcome.text, UTF16String(70001, u'x'));
  EXPECT_EQ(outcome.position, 70004u);
}

TEST_P(Utf8Decoding, StartsWhereTheStreamStands) {
  EXPECT_EQ(Run(UTF8ToString, "skip\xC3\xA9", u"", 4), Text(u"\u00E9", 6));
}

DECODING_ON_EVERY_STREAM(Utf8Decoding);

}  // namespace
