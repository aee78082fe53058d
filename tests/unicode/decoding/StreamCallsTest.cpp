// The decoders reach a stream through its virtual operations in a fixed order,
// which a stream can observe: these tests pin it down.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Glyphwerk.h"
#include "ScriptedStream.h"

namespace {

using decodingtest::ScriptedStream;
using ::testing::ElementsAre;
using Decoder = void (*)(IByteStream&, UTF16String&);

TEST(StreamCalls, CursorTakesPositionThenFirstByteThenLength) {
  ScriptedStream in("AB");
  UTF16String out;
  UTF8ToString(in, out);
  EXPECT_EQ(out, u"AB");
  // With a length known, the byte at the length is never asked for.
  EXPECT_THAT(in.calls, ElementsAre("GetPosition", "ReadByte", "GetLength", "ReadByte"));
}

TEST(StreamCalls, StreamOfUnknownLengthIsReadUntilReadingThrows) {
  ScriptedStream in("AB");
  in.ReportLength(0);
  UTF16String out;
  UTF8ToString(in, out);
  EXPECT_EQ(out, u"AB");
  EXPECT_THAT(in.calls, ElementsAre("GetPosition", "ReadByte", "GetLength", "ReadByte", "ReadByte"));
}

TEST(StreamCalls, ReportedLengthEndsTheTextEvenIfMoreCouldBeRead) {
  ScriptedStream in("ABCD");
  in.ReportLength(2);
  UTF16String out;
  UTF16LEToString(in, out);
  EXPECT_EQ(out, u"\x4241");
  EXPECT_EQ(in.Position(), 2u);
}

TEST(StreamCalls, LengthIsAnOffsetFromTheStartOfTheData) {
  ScriptedStream in("ABCDE");
  in.SetPosition(1);
  in.ReportLength(3);
  UTF16String out;
  UTF8ToString(in, out);
  EXPECT_EQ(out, u"BC");
}

TEST(StreamCalls, StreamOfUnknownLengthThatFailsEndsTheTextQuietly) {
  ScriptedStream in("ABCD");
  in.ReportLength(0).FailReadsFrom(2);
  UTF16String out;
  UTF8ToString(in, out);
  EXPECT_EQ(out, u"AB");

  ScriptedStream utf16(std::string("A\0B\0", 4));
  utf16.ReportLength(0).FailReadsFrom(3);
  UTF16String units;
  UTF16LEToString(utf16, units);
  EXPECT_EQ(units, u"AB");  // the failed read stands in for a missing last byte
}

TEST(StreamCalls, StreamOfUnknownLengthThatFailsInsideASequenceLooksLikeACutOffSequence) {
  ScriptedStream in("A\xE2\x82\xAC");
  in.ReportLength(0).FailReadsFrom(2);
  UTF16String out;
  EXPECT_THROW(UTF8ToString(in, out), unexpected_eof_utf8);
  EXPECT_EQ(out, u"A");
}

TEST(StreamCalls, ReadErrorBeforeTheReportedLengthPassesOutOfEveryDecoder) {
  for (Decoder decoder : {UTF8ToString, UTF16LEToString, UTF16BEToString, TextToString}) {
    ScriptedStream in("ABCDEFGH");
    in.FailReadsFrom(5);
    UTF16String out = u"kept";
    EXPECT_THROW(decoder(in, out), std::runtime_error);
    EXPECT_EQ(out.substr(0, 4), u"kept");
  }
  ScriptedStream in("A\xE2\x82\xAC");
  in.FailReadsFrom(2);
  UTF16String out;
  EXPECT_THROW(UTF8ToString(in, out), std::runtime_error);
  EXPECT_EQ(out, u"A");
}

TEST(StreamCalls, ReadErrorUnderABufferedStreamPassesOut) {
  for (Decoder decoder : {UTF8ToString, UTF16LEToString, TextToString}) {
    ScriptedStream source("ABCDEFGHIJKLMNOP");
    source.FailReadsFrom(9);
    IBufferedByteStream in(source, 4, 2);
    UTF16String out;
    EXPECT_THROW(decoder(in, out), std::runtime_error);
  }
  ScriptedStream lengthless("ABCDEFGHIJKLMNOP");
  lengthless.ReportLength(0).FailReadsFrom(9);
  IBufferedByteStream in(lengthless, 4, 2);
  UTF16String out;
  UTF8ToString(in, out);
  EXPECT_EQ(out, u"ABCDEFGH");  // the block read that failed delivered nothing
}

TEST(StreamCalls, StreamEndingBeforeTheLengthItReportedLetsItsEndOfDataThrough) {
  ScriptedStream in("ABC");
  in.ReportLength(5);
  UTF16String out;
  EXPECT_THROW(UTF8ToString(in, out), EndOfDataError);
  EXPECT_EQ(out, u"AB");
}

TEST(StreamCalls, FailureToTellThePositionGivesNoText) {
  class NoPosition : public ScriptedStream {
   public:
    using ScriptedStream::ScriptedStream;
    std::uint32_t GetPosition() const override { throw std::runtime_error("no position"); }
  };
  NoPosition in("AB");
  UTF16String out;
  UTF8ToString(in, out);
  EXPECT_EQ(out, u"");
}

TEST(StreamCalls, ProbeWithoutAMarkSetsTheStreamBack) {
  ScriptedStream in("ABC");
  UTF16String out;
  TextToString(in, out);
  EXPECT_EQ(out, u"ABC");
  EXPECT_THAT(in.calls, ElementsAre("GetPosition", "ReadByte", "ReadByte", "ReadByte", "SetPosition(0)",
                                    "GetPosition", "ReadByte", "GetLength", "ReadByte", "ReadByte"));
}

TEST(StreamCalls, ProbeReadsNoThirdByteAfterAUtf16Mark) {
  ScriptedStream in(std::string("\xFE\xFF\0A", 4));
  UTF16String out;
  TextToString(in, out);
  EXPECT_EQ(out, u"A");
  EXPECT_THAT(in.calls, ElementsAre("GetPosition", "ReadByte", "ReadByte", "GetPosition", "ReadByte", "GetLength",
                                    "ReadByte"));
}

}  // namespace
