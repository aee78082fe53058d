#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "SequenceBySequence.h"
#include "platform/UnicodeTranscoding.h"

namespace {

// The conversion one sequence at a time, without the ASCII fast paths.
std::u16string OneAtATime(std::string_view utf8) {
  return utftest::SequenceBySequence<platform::utf::IllFormedUtf8::ReplaceEachByte>(
             reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size())
      .second;
}

TEST(AppendAsUTF16, MatchesThePortableDecoderAtEveryLengthAndOffset) {
  // Two-byte forms at their bounds, overlong and cut short, then longer forms;
  // the runs around them cross the 8- and 16-byte steps of the ASCII paths.
  const std::string pieces[] = {"a",        "\xC3\xA9", "\xC2\x80",     "\xDF\xBF",
                                "\xC1\xBF", "\xC3(",    "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                "\xFF",     "\xE2\x82", "0123456789"};
  for (const std::string& odd : pieces) {
    for (std::size_t before = 0; before <= 33; ++before) {
      for (std::size_t after = 0; after <= 33; ++after) {
        const std::string text = std::string(before, 'x') + odd + std::string(after, 'y');
        std::u16string converted = u"kept";
        platform::AppendAsUTF16(text, converted);
        ASSERT_EQ(converted, u"kept" + OneAtATime(text)) << before << " " << after;
        // The length a reader sizes its storage by is the length written.
        ASSERT_EQ(platform::UTF16LengthOf(text), converted.size() - 4) << before << " " << after;
      }
    }
  }
}

TEST(UTF16LengthOf, CountsTwoUnitsFromU10000ToU10FFFFAndOneReplacementPerBadByte) {
  EXPECT_EQ(platform::UTF16LengthOf(""), 0u);
  EXPECT_EQ(platform::UTF16LengthOf("\xEF\xBF\xBF"), 1u);      // U+FFFF
  EXPECT_EQ(platform::UTF16LengthOf("\xF0\x90\x80\x80"), 2u);  // U+10000
  EXPECT_EQ(platform::UTF16LengthOf("\xF4\x8F\xBF\xBF"), 2u);  // U+10FFFF
  EXPECT_EQ(platform::UTF16LengthOf("\xF4\x90\x80\x80"), 4u);  // beyond: four bad bytes
  EXPECT_EQ(platform::UTF16LengthOf("\xF8\x88\x80\x80\x80"), 5u);
}

TEST(AppendAsUTF16, ReplacesMalformedSequencesOneByteAtATime) {
  EXPECT_EQ(platform::ToUTF16("ab\xC3" "cdefghijk\x80"), u"ab\uFFFDcdefghijk\uFFFD");
}

}  // namespace
