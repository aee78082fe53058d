#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ParserTestSupport.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/client/CKORError.h"
#include "arborix/client/CQURString.h"
#include "arborix/client/ZEVException.h"

namespace {

class Holders : public ::testing::Test {
 protected:
  XMLEntryExit connection_;
};

TEST_F(Holders, AParserHolderWithoutHandleRefusesEveryCallAndStillDisposesOfWhatItIsGiven) {
  CQURSAX2Parser empty;
  parser_test::Lifetimes lifetimes;
  std::vector<std::u16string> events;
  try {
    empty.setFeature(CQURSAX2Parser::kValidationFeature, false);
    FAIL();
  } catch (const CKORError& error) {
    EXPECT_STREQ(error.what(), "QUR: CQURSAX2Parser is invalid");
    EXPECT_EQ(error.Component(), "QUR");
    EXPECT_EQ(error.ID(), 3);
  }
  EXPECT_THROW(empty.A_setContentHandler(new parser_test::RecordingContentHandler(&events, &lifetimes)), CKORError);
  EXPECT_THROW(empty.A_parse(new parser_test::MemoryStream("<a/>", &lifetimes)), CKORError);
  EXPECT_EQ(lifetimes.contentHandlersDestroyed, 1);
  EXPECT_EQ(lifetimes.streamsDestroyed, 1);
}

TEST_F(Holders, AnAttributesHolderWithoutHandleRefusesLookups) {
  const CQURAttributes empty;
  try {
    empty.getLength();
    FAIL();
  } catch (const CKORError& error) {
    EXPECT_STREQ(error.what(), "QUR: CQURAttributes is invalid");
  }
}

TEST_F(Holders, AStringHolderWithoutHandleHasNoText) {
  CQURString empty;
  EXPECT_EQ(empty.w_str(), nullptr);
  EXPECT_EQ(empty.GetText(), u"");
}

TEST_F(Holders, AStringReadsBackAsUTF16FromEitherForm) {
  EXPECT_EQ(CQURString::FromUTF8("gr\xC3\xBC\xC3\x9F \xF0\x9F\x98\x80").GetText(), u"gr\u00fc\u00df \U0001F600");
  EXPECT_EQ(CQURString::FromUTF16(u"\u00e9t\u00e9").GetText(), u"\u00e9t\u00e9");
  CQURString empty = CQURString::FromUTF8("");
  ASSERT_NE(empty.w_str(), nullptr) << "an empty text is still a text";
  EXPECT_EQ(empty.GetText(), u"");
}

TEST_F(Holders, AHandleThatIsNoLiveContainerIsRefused) {
  KORContainerObject* stale = nullptr;
  {
    CQURString string = CQURString::FromUTF8("x");
    stale = string.Handle();
  }
  try {
    CQURString revived(stale);
    FAIL();
  } catch (const ZEVException& error) {
    EXPECT_STREQ(error.what(), "invalid container");
  }
}

TEST_F(Holders, CopiesShareTheObjectAndKeepItAlive) {
  CQURString copy;
  {
    CQURString original = CQURString::FromUTF8("shared");
    copy = original;
    EXPECT_EQ(copy.Handle(), original.Handle());
  }
  EXPECT_EQ(copy.GetText(), u"shared");
}

TEST_F(Holders, ValidationAndNamespacesCanOnlyBeTurnedOff) {
  CQURSAX2Parser parser = parser_test::NewPlainParser();
  EXPECT_THROW(parser.setFeature(CQURSAX2Parser::kValidationFeature, true), CKORError);
  EXPECT_THROW(parser.setFeature(CQURSAX2Parser::kNamespacesFeature, true), CKORError);
  EXPECT_THROW(parser.setFeature("http://example.com/unknown", false), CKORError);
}

TEST_F(Holders, CKORErrorWithoutHandleSaysSo) { EXPECT_STREQ(CKORError().what(), "Invalid CKORError"); }

}  // namespace
