// Dossik's memory-backed streams are scanned in place; every other stream is
// read a byte at a time. Both must give the same units, the same fault, the
// same final position, and make the same reads of a buffered stream's source.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "Decoding.h"

namespace {

using decodingtest::Decode;
using decodingtest::Decoder;
using decodingtest::ScriptedStream;
using decodingtest::StreamKind;

// Mostly well-formed UTF-8 of every length, with a stray byte now and then.
std::string RandomText(std::mt19937& random, std::size_t sequences) {
  static const std::vector<std::string> pieces = {
      "a", "Z", " ", "\n", "\xC3\xA9", "\xD0\x96", "\xE2\x82\xAC", "\xE6\x97\xA5", "\xEF\xBB\xBF",
      "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF", std::string(1, '\0'), "0123456789abcdef0123456789"};
  static const std::vector<std::string> strays = {"\x80", "\xC0\x80", "\xED\xA0\x80", "\xE2\x82", "\xFF", "\xF8",
                                                  "\xF4\x90\x80\x80", "\xFE\xFF", "\xFF\xFE"};
  std::string text;
  for (std::size_t i = 0; i < sequences; ++i) {
    const bool stray = random() % 40 == 0;
    const auto& from = stray ? strays : pieces;
    text += from[random() % from.size()];
  }
  return text;
}

TEST(InMemoryScan, AgreesWithByteByByteReadingOnVariedInput) {
  std::mt19937 random(20240611);
  const std::vector<std::pair<const char*, Decoder>> decoders = {
      {"UTF8ToString", UTF8ToString}, {"UTF16LEToString", UTF16LEToString},
      {"UTF16BEToString", UTF16BEToString}, {"TextToString", TextToString}};
  for (int round = 0; round < 300; ++round) {
    const std::string bytes = RandomText(random, random() % 200);
    for (const auto& [name, decoder] : decoders) {
      const auto expected = Decode(decoder, bytes, StreamKind::ByteByByte, u"pre");
      for (StreamKind kind : {StreamKind::Memory, StreamKind::TinyBuffers, StreamKind::LargeBuffers}) {
        ASSERT_EQ(Decode(decoder, bytes, kind, u"pre"), expected)
            << name << " on " << decodingtest::KindName(kind) << " over " << ::testing::PrintToString(bytes);
      }
    }
  }
}

// The reads a buffered stream makes of its source, when a decoder reads the
// buffered stream directly or through a wrapper it does not know.
std::vector<std::string> SourceReads(Decoder decoder, const std::string& bytes, bool wrapped,
                                     std::uint32_t reportedLength) {
  class Wrapper : public IByteStream {
   public:
    explicit Wrapper(IByteStream& inner) : inner_(inner) {}
    unsigned char ReadByte() override { return inner_.ReadByte(); }
    std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) override {
      return inner_.ReadBlock(buffer, count);
    }
    void SetPosition(std::uint32_t position) override { inner_.SetPosition(position); }
    std::uint32_t GetPosition() const override { return inner_.GetPosition(); }
    std::uint32_t GetLength() const override { return inner_.GetLength(); }

   private:
    IByteStream& inner_;
  };
  ScriptedStream source(bytes);
  source.ReportLength(reportedLength);
  IBufferedByteStream buffered(source, 5, 2);
  Wrapper wrapper(buffered);
  UTF16String out;
  try {
    decoder(wrapped ? static_cast<IByteStream&>(wrapper) : buffered, out);
  } catch (const invalid_utf8&) {
  }
  std::vector<std::string> reads;
  for (const auto& call : source.calls) {
    if (call.rfind("Read", 0) == 0 || call.rfind("Set", 0) == 0) reads.push_back(call);
  }
  reads.push_back("decoded " + std::to_string(out.size()) + " units");
  return reads;
}

TEST(InMemoryScan, BufferedSourceSeesTheSameReadsAsWhenReadByteByByte) {
  for (const std::string bytes : {"", "abc", "abcdefghijklmnop", "abc\xE2\x82\xAC" "defgh\xC3\xA9", "abcd\xC3\x41xyz"}) {
    for (std::uint32_t length : {0u, static_cast<std::uint32_t>(bytes.size())}) {
      EXPECT_EQ(SourceReads(UTF8ToString, bytes, false, length), SourceReads(UTF8ToString, bytes, true, length))
          << ::testing::PrintToString(bytes) << " length " << length;
      EXPECT_EQ(SourceReads(UTF16BEToString, bytes, false, length),
                SourceReads(UTF16BEToString, bytes, true, length));
    }
  }
}

TEST(InMemoryScan, BufferedStreamStopsAtTheLengthItsSourceReports) {
  ScriptedStream source("abcdefghij");
  source.ReportLength(4);
  IBufferedByteStream in(source, 32768, 4096);
  UTF16String out;
  UTF8ToString(in, out);
  EXPECT_EQ(out, u"abcd");
  EXPECT_EQ(in.GetPosition(), 4u);
}

TEST(InMemoryScan, StartBeyondTheReportedLengthStillDecodesOneByteAsAnyStreamWould) {
  ScriptedStream scripted("abcdefgh");
  scripted.ReportLength(2);
  scripted.SetPosition(4);
  UTF16String fromScripted;
  UTF8ToString(scripted, fromScripted);
  EXPECT_EQ(fromScripted, u"e");

  ScriptedStream source("abcdefgh");
  source.ReportLength(2);
  source.SetPosition(4);
  IBufferedByteStream buffered(source, 16, 4);
  UTF16String fromBuffered;
  UTF8ToString(buffered, fromBuffered);
  EXPECT_EQ(fromBuffered, u"e");
}

}  // namespace
