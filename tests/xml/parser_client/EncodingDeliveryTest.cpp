// Documents in encodings that the parser converts before reading them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ParserTestSupport.h"
#include "arborix/XMLEntryExit.h"

namespace {

using parser_test::Events;
using Lines = std::vector<std::u16string>;

class EncodingDelivery : public ::testing::Test {
 protected:
  XMLEntryExit connection_;
};

TEST_F(EncodingDelivery, TheDeclaredEncodingIsReadWhateverTheSizeOfTheReads) {
  // 表 (95 5C) ends in the byte of a backslash, and あ (82 A0) in a byte above 0x7F.
  const std::string document = "<?xml version=\"1.0\"\n  encoding = 'Shift_JIS' ?>\n<\x95\x5C k='\x82\xA0'>x\x95\x5C</\x95\x5C>";
  const Lines expected{u"startDocument", u"start \u8868 k=\u3042", u"chars x\u8868", u"end \u8868", u"endDocument"};
  EXPECT_EQ(Events(document), expected);
  EXPECT_EQ(Events(document, 1), expected);
  EXPECT_EQ(Events(document, 7), expected);
}

TEST_F(EncodingDelivery, ADocumentShorterThanADeclarationIsStillJudged) {
  EXPECT_THROW(Events("<?xm", 1), CKORError);
  EXPECT_EQ(Events("<a/>", 1), (Lines{u"startDocument", u"start a", u"end a", u"endDocument"}));
}

}  // namespace
