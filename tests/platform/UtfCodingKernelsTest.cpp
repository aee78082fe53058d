// The shared UTF-8/UTF-16 coding: the sequence decoder at the bounds of each
// form, and every fast path held to its scalar twin. The fast paths take
// sixteen bytes at a time, so inputs of every length up to several blocks are
// placed at every offset from an aligned address, with a sequence of interest
// at every position. Each input fills a buffer of exactly its size, so the
// sanitize build also catches a read or write beyond it.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "SequenceBySequence.h"
#include "platform/utf/AsciiRuns.h"
#include "platform/utf/Utf16ToUtf8.h"
#include "platform/utf/Utf8Sequence.h"
#include "platform/utf/Utf8ToUtf16.h"

namespace {

using platform::utf::ByteOrder;
using platform::utf::IllFormedUtf8;
using platform::utf::UnpairedSurrogate;
using platform::utf::Utf8Decoded;
using platform::utf::Utf8Fault;

constexpr std::size_t kLongest = 48;  // bytes: three blocks of sixteen
constexpr std::size_t kOffsets = 16;  // every place in a block

// Sequences placed among ASCII: the first and last value of each length, the
// first values past them, surrogates, overlong forms and stray bytes.
const std::vector<std::string> kPieces = {
    "\x7F",                  // U+007F
    "\xC2\x80",              // U+0080
    "\xDF\xBF",              // U+07FF
    "\xE0\xA0\x80",          // U+0800
    "\xEF\xBF\xBF",          // U+FFFF
    "\xF0\x90\x80\x80",      // U+10000
    "\xF4\x8F\xBF\xBF",      // U+10FFFF
    "\xF4\x90\x80\x80",      // past U+10FFFF
    "\xF8\x88\x80\x80\x80",  // a five-byte form
    "\xED\xA0\x80",          // a lone high surrogate
    "\xED\xBF\xBF",          // a lone low surrogate
    "\xC0\x80",              // overlong forms
    "\xC1\xBF",
    "\xE0\x9F\xBF",
    "\xF0\x8F\xBF\xBF",
    "\x80",                  // a stray continuation byte
    "\xC3\x41",              // a lead byte without its continuation
    "\xFF",
};

// Sequences that the end of the input cuts off; placed last only.
const std::vector<std::string> kCutOff = {"\xC3", "\xE2\x82", "\xF0\x9F\x98", "\xF4\x8F\xBF", "\xF8\x88\x80\x80"};

// `length` bytes of ASCII with `piece` at `at` (no piece when it is empty).
std::string TextWith(std::size_t length, const std::string& piece, std::size_t at) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
  return text.replace(at, piece.size(), piece);
}

// Calls `check(text)` for every text of up to kLongest bytes made of ASCII
// and at most one piece, the cut-off pieces only at the end.
template <class Check>
void ForEveryText(Check check) {
  for (std::size_t length = 0; length <= kLongest; ++length) {
    check(TextWith(length, "", 0));
    for (const std::string& piece : kPieces) {
      for (std::size_t at = 0; at + piece.size() <= length; ++at) check(TextWith(length, piece, at));
    }
    for (const std::string& piece : kCutOff) {
      if (piece.size() <= length) check(TextWith(length, piece, length - piece.size()));
    }
  }
}

// The bytes of `text` at `offset` bytes from the start of a buffer that ends with them.
class PlacedBytes {
 public:
  PlacedBytes(const std::string& text, std::size_t offset) : buffer_(offset + text.size()), offset_(offset) {
    for (std::size_t i = 0; i < text.size(); ++i) buffer_[offset + i] = static_cast<unsigned char>(text[i]);
  }
  const unsigned char* data() const { return buffer_.data() + offset_; }
  std::size_t size() const { return buffer_.size() - offset_; }

 private:
  std::vector<unsigned char> buffer_;
  std::size_t offset_;
};

std::string Printable(const std::string& bytes) { return ::testing::PrintToString(bytes); }

// The sequence at the start of `text`, read from a buffer of exactly its size.
Utf8Decoded DecodedAlone(const std::string& text) {
  const PlacedBytes bytes(text, 0);
  return platform::utf::DecodeUtf8Sequence(bytes.data(), bytes.size());
}

TEST(Utf8Sequence, EachFormDecodesFromItsFirstToItsLastValue) {
  const struct {
    std::string bytes;
    char32_t value;
  } bounds[] = {{std::string(1, '\0'), 0},      {"\x7F", 0x7F},         {"\xC2\x80", 0x80},
                {"\xDF\xBF", 0x7FF},            {"\xE0\xA0\x80", 0x800}, {"\xED\x9F\xBF", 0xD7FF},
                {"\xEE\x80\x80", 0xE000},       {"\xEF\xBF\xBF", 0xFFFF}, {"\xF0\x90\x80\x80", 0x10000},
                {"\xF4\x8F\xBF\xBF", 0x10FFFF}};
  for (const auto& bound : bounds) {
    const Utf8Decoded decoded = DecodedAlone(bound.bytes);
    EXPECT_EQ(decoded.fault, Utf8Fault::None) << Printable(bound.bytes);
    EXPECT_EQ(decoded.value, bound.value) << Printable(bound.bytes);
    EXPECT_EQ(decoded.length, bound.bytes.size()) << Printable(bound.bytes);
  }
}

TEST(Utf8Sequence, TheFirstFormsPastTheBoundsAreMalformedForAsManyBytesAsTheLeadAnnounces) {
  const struct {
    std::string bytes;
    std::uint32_t length;
  } refused[] = {{"\x80", 1},
                 {"\xBF", 1},
                 {"\xC0\x80", 2},
                 {"\xC1\xBF", 2},
                 {"\xC3\x41", 2},
                 {"\xC3\xC0", 2},
                 {"\xE0\x9F\xBF", 3},
                 {"\xE1\x80\x41", 3},
                 {"\xF0\x8F\xBF\xBF", 4},
                 {"\xF4\x90\x80\x80", 4},
                 {"\xF5\x80\x80\x80", 4},
                 {"\xF1\x80\x80\x41", 4},
                 {"\xF8\x88\x80\x80\x80", 5},
                 {"\xFC\x84\x80\x80\x80\x80", 6},
                 {"\xFF\x80\x80\x80\x80\x80", 6}};
  for (const auto& sequence : refused) {
    const Utf8Decoded decoded = DecodedAlone(sequence.bytes);
    EXPECT_EQ(decoded.fault, Utf8Fault::Malformed) << Printable(sequence.bytes);
    EXPECT_EQ(decoded.length, sequence.length) << Printable(sequence.bytes);
  }
}

TEST(Utf8Sequence, AnEncodedSurrogateIsWellFormedButForItsValue) {
  for (const auto& [text, value] : {std::pair<std::string, char32_t>{"\xED\xA0\x80", 0xD800}, {"\xED\xBF\xBF", 0xDFFF}}) {
    const Utf8Decoded decoded = DecodedAlone(text);
    EXPECT_EQ(decoded.fault, Utf8Fault::EncodedSurrogate) << Printable(text);
    EXPECT_EQ(decoded.value, value) << Printable(text);
    EXPECT_EQ(decoded.length, 3u) << Printable(text);
  }
}

TEST(Utf8Sequence, ASequenceLongerThanTheBytesLeftIsTruncatedAndNoByteBeyondThemIsRead) {
  for (const std::string& text : kCutOff) {
    const Utf8Decoded decoded = DecodedAlone(text);
    EXPECT_EQ(decoded.fault, Utf8Fault::Truncated) << Printable(text);
    EXPECT_EQ(decoded.length, platform::utf::Utf8SequenceLength(static_cast<unsigned char>(text[0])))
        << Printable(text);
  }
  // Cut off before a byte that could not have continued it: still truncated.
  EXPECT_EQ(DecodedAlone("\xE2\x41").fault, Utf8Fault::Truncated);
}

TEST(Utf8Sequence, TheLeadByteAnnouncesOneToSixBytes) {
  // The first lead byte of each length; the bytes up to the next one announce the same.
  const std::pair<unsigned, std::uint32_t> firsts[] = {{0x00, 1}, {0xC0, 2}, {0xE0, 3}, {0xF0, 4}, {0xF8, 5}, {0xFC, 6}};
  for (unsigned lead = 0; lead <= 0xFF; ++lead) {
    std::uint32_t expected = 0;
    for (const auto& [first, length] : firsts) {
      if (lead >= first) expected = length;
    }
    EXPECT_EQ(platform::utf::Utf8SequenceLength(static_cast<unsigned char>(lead)), expected) << "lead " << lead;
  }
}

TEST(WidenAsciiRun, FastPathMatchesItsScalarTwinAtEveryOffsetAndLength) {
  ForEveryText([](const std::string& text) {
    std::size_t expected = 0;
    while (expected < text.size() && static_cast<unsigned char>(text[expected]) < 0x80) ++expected;
    for (std::size_t offset = 0; offset < kOffsets; ++offset) {
      const PlacedBytes bytes(text, offset);
      std::vector<char16_t> fast(text.size());
      std::vector<char16_t> scalar(text.size());
      const std::size_t fastRun = platform::utf::WidenAsciiRun(bytes.data(), bytes.size(), fast.data());
      const std::size_t scalarRun = platform::utf::WidenAsciiRunScalar(bytes.data(), bytes.size(), scalar.data());
      ASSERT_EQ(fastRun, expected) << Printable(text) << " at offset " << offset;
      ASSERT_EQ(scalarRun, expected) << Printable(text) << " at offset " << offset;
      for (std::size_t i = 0; i < expected; ++i) {
        ASSERT_EQ(fast[i], static_cast<char16_t>(text[i])) << Printable(text) << " at offset " << offset;
        ASSERT_EQ(scalar[i], static_cast<char16_t>(text[i])) << Printable(text) << " at offset " << offset;
      }
    }
  });
}

// `units` stored as bytes in `order`.
template <ByteOrder order>
std::string Stored(const std::u16string& units) {
  std::string bytes;
  for (const char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    if constexpr (order == ByteOrder::LittleEndian) {
      bytes += low;
      bytes += high;
    } else {
      bytes += high;
      bytes += low;
    }
  }
  return bytes;
}

template <ByteOrder order>
void CheckNarrowAsciiRun() {
  // U+007F is the last unit a run takes; U+0000 and U+0080 on end it, and so
  // does an ASCII byte in the other half of the unit.
  const std::u16string enders = {0x0000, 0x0080, 0x00FF, 0x0100, 0x4100, 0x7F00, 0xD800, 0xDC00, 0xFFFF};
  for (std::size_t count = 0; count <= kLongest / 2; ++count) {
    std::u16string plain;
    for (std::size_t i = 0; i < count; ++i) plain += static_cast<char16_t>(i % 2 == 0 ? 0x7F : 'a' + i % 26);
    std::vector<std::pair<std::u16string, std::size_t>> cases = {{plain, count}};
    for (const char16_t ender : enders) {
      for (std::size_t at = 0; at < count; ++at) cases.emplace_back(std::u16string(plain).replace(at, 1, 1, ender), at);
    }
    for (const auto& [units, expected] : cases) {
      for (std::size_t offset = 0; offset < kOffsets; ++offset) {
        const PlacedBytes bytes(Stored<order>(units), offset);
        std::vector<char> fast(count);
        std::vector<char> scalar(count);
        const std::size_t fastRun = platform::utf::NarrowAsciiRun<order>(bytes.data(), count, fast.data());
        const std::size_t scalarRun = platform::utf::NarrowAsciiRunScalar<order>(bytes.data(), count, scalar.data());
        ASSERT_EQ(fastRun, expected) << "count " << count << " offset " << offset;
        ASSERT_EQ(scalarRun, expected) << "count " << count << " offset " << offset;
        for (std::size_t i = 0; i < expected; ++i) {
          ASSERT_EQ(fast[i], static_cast<char>(units[i])) << "count " << count << " offset " << offset;
          ASSERT_EQ(scalar[i], static_cast<char>(units[i])) << "count " << count << " offset " << offset;
        }
      }
    }
  }
}

TEST(NarrowAsciiRun, FastPathMatchesItsScalarTwinInBothByteOrdersAtEveryOffsetAndLength) {
  CheckNarrowAsciiRun<ByteOrder::LittleEndian>();
  CheckNarrowAsciiRun<ByteOrder::BigEndian>();
}

template <IllFormedUtf8 policy>
void CheckWriteUtf8AsUtf16(const std::string& text, const PlacedBytes& bytes, std::size_t offset) {
  const auto [expectedRead, expectedUnits] = utftest::SequenceBySequence<policy>(bytes.data(), bytes.size());
  std::vector<char16_t> out(bytes.size());
  const auto counts = platform::utf::WriteUtf8AsUtf16<policy>(bytes.data(), bytes.size(), out.data());
  ASSERT_EQ(counts.bytesRead, expectedRead) << Printable(text) << " at offset " << offset;
  ASSERT_EQ(std::u16string(out.data(), counts.unitsWritten), expectedUnits) << Printable(text) << " at offset " << offset;
  if constexpr (policy == IllFormedUtf8::ReplaceEachByte) {
    ASSERT_EQ(platform::utf::Utf16LengthOfUtf8ReplacingEachByte(bytes.data(), bytes.size()), counts.unitsWritten)
        << Printable(text) << " at offset " << offset;
  }
}

TEST(WriteUtf8AsUtf16, MatchesSequenceBySequenceDecodingUnderEveryPolicyAtEveryOffsetAndLength) {
  ForEveryText([](const std::string& text) {
    for (std::size_t offset = 0; offset < kOffsets; ++offset) {
      const PlacedBytes bytes(text, offset);
      CheckWriteUtf8AsUtf16<IllFormedUtf8::Stop>(text, bytes, offset);
      CheckWriteUtf8AsUtf16<IllFormedUtf8::StopKeepingSurrogates>(text, bytes, offset);
      CheckWriteUtf8AsUtf16<IllFormedUtf8::ReplaceEachByte>(text, bytes, offset);
    }
  });
}

template <IllFormedUtf8 policy>
std::u16string Converted(const std::string& text) {
  const PlacedBytes bytes(text, 0);
  std::vector<char16_t> out(text.size());
  const auto counts = platform::utf::WriteUtf8AsUtf16<policy>(bytes.data(), bytes.size(), out.data());
  return std::u16string(out.data(), counts.unitsWritten);
}

TEST(WriteUtf8AsUtf16, WritesEachBoundValueAsItsUnits) {
  const std::string text = "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
  const std::u16string units = u"\u007F\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF";
  EXPECT_EQ(Converted<IllFormedUtf8::Stop>(text), units);
  EXPECT_EQ(Converted<IllFormedUtf8::StopKeepingSurrogates>(text), units);
  EXPECT_EQ(Converted<IllFormedUtf8::ReplaceEachByte>(text), units);
}

TEST(WriteUtf8AsUtf16, StopsAtAnEncodedSurrogateKeepsItOrReplacesEachOfItsBytesAsThePolicySays) {
  const std::string text = std::string(20, 'a') + "\xED\xA0\x80" + "b";
  const std::u16string before(20, u'a');
  EXPECT_EQ(Converted<IllFormedUtf8::Stop>(text), before);
  EXPECT_EQ(Converted<IllFormedUtf8::StopKeepingSurrogates>(text), before + u'\xD800' + u'b');
  EXPECT_EQ(Converted<IllFormedUtf8::ReplaceEachByte>(text), before + u"\uFFFD\uFFFD\uFFFDb");
}

TEST(WriteUtf8AsUtf16, StopsAtTheFirstInvalidValueOrReplacesEachOfItsBytes) {
  const std::string text = std::string(17, 'a') + "\xF4\x90\x80\x80" + "b";
  const std::u16string before(17, u'a');
  EXPECT_EQ(Converted<IllFormedUtf8::Stop>(text), before);
  EXPECT_EQ(Converted<IllFormedUtf8::StopKeepingSurrogates>(text), before);
  EXPECT_EQ(Converted<IllFormedUtf8::ReplaceEachByte>(text), before + u"\uFFFD\uFFFD\uFFFD\uFFFDb");
}

template <UnpairedSurrogate policy>
std::string Utf8Of(const std::u16string& units) {
  std::string out(3 * units.size(), '\0');
  out.resize(platform::utf::WriteUtf16AsUtf8<policy>(units.data(), units.size(), out.data()));
  return out;
}

TEST(WriteUtf16AsUtf8, WritesEachBoundValueInItsShortestForm) {
  const std::u16string units = u"\u007F\u0080\u07FF\u0800\uFFFF\U00010000\U0010FFFF";
  const std::string text = "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
  EXPECT_EQ(Utf8Of<UnpairedSurrogate::EncodeAsIs>(units), text);
  EXPECT_EQ(Utf8Of<UnpairedSurrogate::Replace>(units), text);
}

TEST(WriteUtf16AsUtf8, EncodesAnUnpairedSurrogateAsItIsOrReplacesIt) {
  // A high surrogate before a unit that is no low one, a low one with no high
  // one before it, a low one before a high one, and a high one at the end.
  const std::u16string lone = {0xD800, 0x41, 0xDC00, 0xDFFF, 0xD800, 0xDBFF};
  EXPECT_EQ(Utf8Of<UnpairedSurrogate::EncodeAsIs>(lone),
            "\xED\xA0\x80" "A" "\xED\xB0\x80" "\xED\xBF\xBF" "\xED\xA0\x80" "\xED\xAF\xBF");
  EXPECT_EQ(Utf8Of<UnpairedSurrogate::Replace>(lone),
            "\xEF\xBF\xBD" "A" "\xEF\xBF\xBD" "\xEF\xBF\xBD" "\xEF\xBF\xBD" "\xEF\xBF\xBD");
}

}  // namespace
