#include <gtest/gtest.h>

#include <iterator>
#include <stdexcept>
#include <string>

#include "ParseStringEntry.h"

namespace Verbosa {
namespace {

std::optional<StringEntry> ParseLine(const UTF16String& line) { return ParseStringEntry(line, 0, line.size()); }

std::string RejectionOf(const UTF16String& line) {
  try {
    ParseLine(line);
  } catch (const std::invalid_argument& error) {
    return error.what();
  }
  return "(accepted)";
}

TEST(StringEntry, BlankAndCommentLinesYieldNothing) {
  for (const UTF16String line : {u"", u"   \t ", u"# comment", u"  \t# indented \"comment\""}) {
    EXPECT_FALSE(ParseLine(line).has_value());
  }
}

struct NamedEntry {
  const char16_t* line;
  const char* key;
  const char16_t* text;
};

TEST(StringEntry, NamedEntriesYieldTheirKeyAndUnescapedText) {
  const NamedEntry cases[] = {
      {u"/menu/file   \"File\"", "/menu/file", u"File"},
      {u"\t /k\t\"x\"", "/k", u"x"},
      {u"/ \"slash alone\"", "/", u"slash alone"},
      {u"//a \"double slash\"", "//a", u"double slash"},
      {u"/Az_09/b \"mixed\"", "/Az_09/b", u"mixed"},
      {u"/k \"\"", "/k", u""},
      {u"/msg/confirm \"Say \\\"yes\\\".\\nThen press OK.\"", "/msg/confirm", u"Say \"yes\".\r\nThen press OK."},
      {u"/k \"\\t\\a\\b\\\\\"", "/k", u"\t\a\b\\"},
      // Tabs, "#" and non-ASCII units inside the quotes are text.
      {u"/k \"a\t#b \u00e9\u2603\ufeff\"", "/k", u"a\t#b \u00e9\u2603\ufeff"},
      // Blanks and a comment may follow the closing quote.
      {u"/menu/open \"Open\\tCtrl+O\"   # shortcut", "/menu/open", u"Open\tCtrl+O"},
      {u"/k \"v\"#tight", "/k", u"v"},
      {u"/k \"v\" \t", "/k", u"v"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    const auto entry = ParseLine(cases[i].line);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->key, cases[i].key);
    EXPECT_EQ(entry->text, cases[i].text);
  }
}

TEST(StringEntry, UnclosedValueYieldsNothingAndRaisesNothing) {
  EXPECT_FALSE(ParseLine(u"/msg/open \"unfinished").has_value());
  EXPECT_FALSE(ParseLine(u"/k \"ends in an escaped quote\\\"").has_value());
  EXPECT_FALSE(ParseLine(u"/k \"").has_value());
}

TEST(StringEntry, NumericKeysAreReadWhateverTheirLength) {
  const auto twelve = ParseLine(u"12\"numbered\"");
  ASSERT_TRUE(twelve.has_value());
  EXPECT_FALSE(twelve->IsNamed());
  EXPECT_EQ(twelve->numericKey, 12);
  EXPECT_EQ(twelve->text, u"numbered");

  EXPECT_EQ(ParseLine(u"007 \"x\"")->numericKey, 7);
  EXPECT_EQ(ParseLine(u"2147483647 \"x\"")->numericKey, 2147483647);
  EXPECT_EQ(ParseLine(u"000000000000000000000000000001 \"x\"")->numericKey, 1);
}

TEST(StringEntry, NumericKeysOutsideTheRangeAreInvalid) {
  for (const UTF16String line : {u"0 \"x\"", u"000 \"x\"", u"2147483648 \"x\"", u"99999999999 \"x\"",
                                 u"4294967297 \"x\"", u"18446744073709551617 \"x\"",
                                 u"123456789012345678901234567890 \"x\""}) {
    EXPECT_EQ(RejectionOf(line), "bad string entry - invalid key");
  }
}

struct Rejection {
  const char16_t* line;
  const char* message;
};

TEST(StringEntry, MalformedLinesRaiseTheMessageOfTheFirstRuleTheyBreak) {
  const Rejection cases[] = {
      {u"k \"x\"", "bad string entry - invalid key"},
      {u"\u00a0/k \"x\"", "bad string entry - invalid key"},  // a no-break space is no blank
      {u"\ufeff/k \"x\"", "bad string entry - invalid key"},  // nor is a stray byte-order mark
      {u"/k", "bad string entry - invalid key"},
      {u"/menu/save\"Save\"", "bad string entry - invalid key"},
      {u"/k-1 \"x\"", "bad string entry - invalid key"},
      {u"/k.x \"x\"", "bad string entry - invalid key"},
      {u"/k-1", "bad string entry - invalid key"},  // no blank is found before the bad unit is
      {u"12", "bad string entry - invalid key"},
      {u"0", "bad string entry - invalid key"},
      {u"/k ", "bad string entry - missing value"},
      {u"/k \t ", "bad string entry - missing value"},
      {u"7 ", "bad string entry - missing value"},
      {u"0 ", "bad string entry - invalid key"},  // the range is checked before the value
      {u"/k x", "bad string entry - value not quoted"},
      {u"/k 'x'", "bad string entry - value not quoted"},
      {u"12x", "bad string entry - value not quoted"},
      {u"/k \"\\", "bad string entry - bad value"},
      {u"/k \"abc\\", "bad string entry - bad value"},
      {u"/k \"\\r\"", "bad string entry - invalid escaped char"},
      {u"/k \"\\u0041\"", "bad string entry - invalid escaped char"},
      {u"/k \"\\r", "bad string entry - invalid escaped char"},  // before the missing quote matters
      {u"/k \"v\" x", "bad string entry - garbage after value"},
      {u"/k \"v\"\"w\"", "bad string entry - garbage after value"},
      {u"/k \"v\"x # comment", "bad string entry - garbage after value"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE("case " + std::to_string(i));
    EXPECT_EQ(RejectionOf(cases[i].line), cases[i].message);
  }
}

TEST(StringEntry, OnlyTheGivenRangeIsParsed) {
  const UTF16String text = u"garbage /k \"inside\" more garbage";
  const auto entry = ParseStringEntry(text, 8, 19);
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->key, "/k");
  EXPECT_EQ(entry->text, u"inside");
  // Cut inside the value: the quote beyond the end does not close it.
  EXPECT_FALSE(ParseStringEntry(text, 8, 17).has_value());
  // Cut inside the key: no blank after it within the range.
  EXPECT_THROW(ParseStringEntry(text, 8, 10), std::invalid_argument);
}

}  // namespace
}  // namespace Verbosa
