#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ParserTestSupport.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/client/CKORError.h"

namespace {

using parser_test::RecordedError;

class ParserErrors : public ::testing::Test {
 protected:
  // Parses `document` with recording handlers; returns the ID A_parse threw
  // (0 when it returned normally).
  std::intptr_t FailureID(const std::string& document) {
    CQURSAX2Parser parser = parser_test::NewPlainParser();
    parser.A_setContentHandler(new parser_test::RecordingContentHandler(&events_, &lifetimes_));
    parser.A_setErrorHandler(new parser_test::RecordingErrorHandler(&errors_, &lifetimes_));
    try {
      parser.A_parse(new parser_test::MemoryStream(document, &lifetimes_));
    } catch (const CKORError& error) {
      thrown_ = error.what();
      thrownComponent_ = error.Component();
      return error.ID();
    }
    return 0;
  }

  XMLEntryExit connection_;
  std::vector<std::u16string> events_;
  std::vector<RecordedError> errors_;
  parser_test::Lifetimes lifetimes_;
  std::string thrown_;
  std::string thrownComponent_;
};

TEST_F(ParserErrors, AFatalErrorReachesTheErrorHandlerOnceAndEndsTheParseWithIt) {
  EXPECT_EQ(FailureID("<a>\n<b></a>"), 26);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0].kind, "fatal");
  EXPECT_EQ(errors_[0].component, "QURParser");
  EXPECT_EQ(errors_[0].id, 26);
  EXPECT_EQ(thrownComponent_, "QURParser");
  EXPECT_EQ(thrown_, "mismatched tag at line 2, column 6");
  EXPECT_EQ(events_.back(), u"start b") << "nothing is delivered after the fault";
}

TEST_F(ParserErrors, AnErrorHandlerThatSwallowsTheFaultStillGetsTheFaultBackFromAParse) {
  struct Swallowing : HQURErrorHandlerBase {
    void fatalError(const CKORError&) override {}
  };
  CQURSAX2Parser parser = parser_test::NewPlainParser();
  parser.A_setErrorHandler(new Swallowing);
  try {
    parser.A_parse(new parser_test::MemoryStream("<a>"));
    FAIL() << "a malformed document never comes back as a normal return";
  } catch (const CKORError& error) {
    EXPECT_EQ(error.ID(), 26);
  }
}

TEST_F(ParserErrors, EachKindOfFaultHasItsOwnGroupOfIDs) {
  const std::string laughs =
      "<!DOCTYPE l [<!ENTITY a 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa'>"
      "<!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>"
      "<!ENTITY c '&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;'>"
      "<!ENTITY d '&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;'>"
      "<!ENTITY e '&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;'>"
      "<!ENTITY f '&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;'>]><l>&f;</l>";
  const struct {
    std::string document;
    std::intptr_t id;
  } cases[] = {
      {"<a></b>", 26},                                    // mismatched tag
      {"<a><b>text</b>", 26},                             // ends inside an element
      {"", 29},                                           // no root element
      {"<?xml version='1.0'?>\n<!-- only -->", 29},
      {"<a>&nothing;</a>", 38},                           // undefined entity
      {"<a x='1' x='2'/>", 15},                           // duplicate attribute
      {"<a/><b/>", 17},                                   // content after the root
      {"<a>\x01</a>", 13},                                // invalid character
      {"<a>&#0;</a>", 13},                                // bad character reference
      {"<a", 14},                                         // unclosed token
      {"<?xml version='1.0' encoding='no-such'?><a/>", 101},
      {"<a>\xC3</a>", 13},
      {laughs, 81},                                       // entity amplification
  };
  for (const auto& c : cases) {
    errors_.clear();
    EXPECT_EQ(FailureID(c.document), c.id) << c.document.substr(0, 60);
    EXPECT_EQ(errors_.size(), 1u) << c.document.substr(0, 60);
  }
}

TEST_F(ParserErrors, TheParserLetsGoOfTheStreamAfterTheParseAndOfTheHandlersWithItself) {
  {
    CQURSAX2Parser parser = parser_test::NewPlainParser();
    parser.A_setContentHandler(new parser_test::RecordingContentHandler(&events_, &lifetimes_));
    parser.A_setErrorHandler(new parser_test::RecordingErrorHandler(&errors_, &lifetimes_));
    EXPECT_THROW(parser.A_parse(new parser_test::MemoryStream("<a>", &lifetimes_)), CKORError);
    EXPECT_EQ(lifetimes_.streamsDestroyed, 1);
    EXPECT_EQ(lifetimes_.contentHandlersDestroyed, 0);
    EXPECT_EQ(lifetimes_.errorHandlersDestroyed, 0);
  }
  EXPECT_EQ(lifetimes_.contentHandlersDestroyed, 1);
  EXPECT_EQ(lifetimes_.errorHandlersDestroyed, 1);
}

TEST_F(ParserErrors, AStreamThatThrowsEndsTheParseWithItsMessage) {
  CQURSAX2Parser parser = parser_test::NewPlainParser();
  auto* stream = new parser_test::MemoryStream("<a>text</a>", &lifetimes_, 2);
  stream->FailAt(4);
  parser.A_setErrorHandler(new parser_test::RecordingErrorHandler(&errors_));
  try {
    parser.A_parse(stream);
    FAIL() << "the stream's failure must end the parse";
  } catch (const CKORError& error) {
    EXPECT_STREQ(error.what(), "disk on fire");
    EXPECT_EQ(error.Component(), "ZEV");
  }
  EXPECT_TRUE(errors_.empty()) << "the stream's own failure is no document fault";
  EXPECT_EQ(lifetimes_.streamsDestroyed, 1);
}

TEST_F(ParserErrors, TheBytesReadBeforeAFailingReadAreParsedFirst) {
  // Reads of three bytes; the one at `failAt` throws.
  const auto parse = [this](const std::string& document, std::size_t failAt) {
    auto* stream = new parser_test::MemoryStream(document, &lifetimes_, 3);
    stream->FailAt(failAt);
    CQURSAX2Parser parser = parser_test::NewPlainParser();
    parser.A_setContentHandler(new parser_test::RecordingContentHandler(&events_));
    try {
      parser.A_parse(stream);
    } catch (const CKORError& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  EXPECT_EQ(parse("<a><b>text</b></a>", 6), "disk on fire");
  EXPECT_EQ(events_, (std::vector<std::u16string>{u"startDocument", u"start a", u"start b"}));
  EXPECT_EQ(parse("<a></b>text", 9), "mismatched tag at line 1, column 6") << "a fault before the failure comes first";
}

}  // namespace
