#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ParserTestSupport.h"
#include "arborix/UTFConversion.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/client/CKORError.h"

namespace {

using parser_test::Events;
using parser_test::UTF16Bytes;

class UTF16Input : public ::testing::Test {
 protected:
  XMLEntryExit connection_;
};

// The reads that cut a document at every byte, in every other place, and not at all.
const std::size_t kReadSizes[] = {1, 2, 3, 5, 17, SIZE_MAX};

// "ID: message" of the fault a parse of `bytes` ends with, or "" when it ends normally.
std::string Fault(const std::string& bytes, std::size_t readSize) {
  CQURSAX2Parser parser = parser_test::NewPlainParser();
  try {
    parser.A_parse(new parser_test::MemoryStream(bytes, nullptr, readSize));
  } catch (const CKORError& error) {
    return std::to_string(error.ID()) + ": " + error.what();
  }
  return "";
}

const std::u16string kMixedText =
    u" \n<r long-attribute-name='\u00e9t\u00e9 \u20ac'>plain ASCII runs longer than a block of eight units "
    u"\u00e4\u00f6\u00fc \u0416\u0436 \u4e2d\u6587 \U0001F600\U00010348 end<\u00e9l\u00e9ment/></r>\n";

TEST_F(UTF16Input, TextArrivesAsTheSameTextInUTF8WhateverTheSizeOfTheReads) {
  const auto expected = Events(UTF16to8(kMixedText));
  ASSERT_EQ(expected.size(), 7u);
  for (const std::size_t readSize : kReadSizes) {
    EXPECT_EQ(Events(UTF16Bytes(kMixedText), readSize), expected) << "reads of " << readSize;
  }
}

TEST_F(UTF16Input, TextArrivesTheSameInEitherByteOrderWithOrWithoutAMark) {
  const auto expected = Events(UTF16to8(kMixedText));
  for (const std::size_t readSize : kReadSizes) {
    EXPECT_EQ(Events("\xFF\xFE" + UTF16Bytes(kMixedText), readSize), expected) << "little-endian with mark";
    EXPECT_EQ(Events("\xFE\xFF" + UTF16Bytes(kMixedText, true), readSize), expected) << "big-endian with mark";
    EXPECT_EQ(Events(UTF16Bytes(kMixedText, true), readSize), expected) << "big-endian";
  }
}

struct BadUTF16 {
  std::u16string text;
  std::string tail;  // bytes after the text's units
  std::string fault;
};

// An unpaired surrogate is a character no document may hold; a unit or pair
// cut off by the end of the data is a partial character.
std::vector<BadUTF16> BadUTF16Cases() {
  const std::string invalid = "13: not well-formed (invalid token) at line ";
  const std::string partial = "48: partial character at the end of the data at line ";
  return {
      {u"<a>\nab\xDC00</a>", "", invalid + "2, column 3"},
      {u"<a>\nab\xD800x</a>", "", invalid + "2, column 3"},
      {u"<a>\xD800\xD800\xDC00</a>", "", invalid + "1, column 4"},
      {u"<a b='\xD800'/>", "", invalid + "1, column 7"},
      {u"<a><!--\xDBFF--></a>", "", invalid + "1, column 8"},
      {u"<a\xDC00/>", "", invalid + "1, column 3"},
      {std::u16string(u"<a>\0</a>", 8), "", invalid + "1, column 4"},
      {u"<a\xD800", "", partial + "1, column 1"},
      {u"<a/>\xD800", "", partial + "1, column 5"},
      {u"<a/>", "x", partial + "1, column 5"},
      {u"<a>", "x", partial + "1, column 4"},
      {u"<a>\U0001F600</a>", "", ""},
  };
}

TEST_F(UTF16Input, BadUTF16IsReportedAtTheBadUnitWhateverTheSizeOfTheReads) {
  for (const BadUTF16& c : BadUTF16Cases()) {
    for (const std::size_t readSize : kReadSizes) {
      EXPECT_EQ(Fault(UTF16Bytes(c.text) + c.tail, readSize), c.fault) << "reads of " << readSize << " bytes";
    }
  }
}

// A lone surrogate must not pair with the unit after it (a quote, a '<'),
// whichever way the document says it is UTF-16.
TEST_F(UTF16Input, BadUTF16IsReportedAtTheSameUnitWithAByteOrderMarkAndInBigEndian) {
  for (const BadUTF16& c : BadUTF16Cases()) {
    for (const std::size_t readSize : kReadSizes) {
      EXPECT_EQ(Fault("\xFF\xFE" + UTF16Bytes(c.text) + c.tail, readSize), c.fault)
          << "little-endian with mark, reads of " << readSize << " bytes";
      EXPECT_EQ(Fault("\xFE\xFF" + UTF16Bytes(c.text, true) + c.tail, readSize), c.fault)
          << "big-endian with mark, reads of " << readSize << " bytes";
      EXPECT_EQ(Fault(UTF16Bytes(c.text, true) + c.tail, readSize), c.fault)
          << "big-endian, reads of " << readSize << " bytes";
    }
  }
}

// Expat reading UTF-16 itself would take these three for name characters.
TEST_F(UTF16Input, NamesAreJudgedAsInUTF8) {
  for (const std::u16string name : {u"\u00e9t\u00e9", u"a\u00b7b", u"\u00aa", u"\u00b5m", u"\u00ba"}) {
    const std::u16string text = u"<" + name + u"/>";
    EXPECT_EQ(Fault(UTF16Bytes(text), SIZE_MAX), Fault(UTF16to8(text), SIZE_MAX));
  }
  EXPECT_EQ(Fault(UTF16Bytes(u"<\u00b5m/>"), SIZE_MAX), "13: not well-formed (invalid token) at line 1, column 2");
}

}  // namespace
