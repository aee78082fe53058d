#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "ParserTestSupport.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/client/CKORError.h"

namespace {

// Throws `exception` from the second start tag.
template <class Exception>
class ThrowingHandler : public parser_test::RecordingContentHandler {
 public:
  ThrowingHandler(Exception exception, std::vector<std::u16string>* events, parser_test::Lifetimes* lifetimes)
      : RecordingContentHandler(events, lifetimes), exception_(std::move(exception)) {}
  void startElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName,
                    CQURAttributes& attributes) override {
    RecordingContentHandler::startElement(uri, localName, qualifiedName, attributes);
    if (localName.GetText() == u"b") throw exception_;
  }

 private:
  Exception exception_;
};

class HandlerExceptions : public ::testing::Test {
 protected:
  template <class Exception>
  void ParseThrowing(Exception exception) {
    parser_ = parser_test::NewPlainParser();
    parser_.A_setContentHandler(new ThrowingHandler<Exception>(std::move(exception), &events_, &lifetimes_));
    parser_.A_setErrorHandler(new parser_test::RecordingErrorHandler(&errors_, &lifetimes_));
    parser_.A_parse(new parser_test::MemoryStream("<a><b/><c/></a>", &lifetimes_));
  }

  void ExpectCleanEnd() {
    EXPECT_EQ(events_, (std::vector<std::u16string>{u"startDocument", u"start a", u"start b"}))
        << "no callback follows the failing one";
    EXPECT_TRUE(errors_.empty()) << "a handler's failure is not a document fault";
    EXPECT_EQ(lifetimes_.streamsDestroyed, 1);
    parser_.Release();
    EXPECT_EQ(lifetimes_.contentHandlersDestroyed, 1);
  }

  XMLEntryExit connection_;
  CQURSAX2Parser parser_;
  std::vector<std::u16string> events_;
  std::vector<parser_test::RecordedError> errors_;
  parser_test::Lifetimes lifetimes_;
};

TEST_F(HandlerExceptions, AStandardExceptionComesBackAsAnErrorWithItsMessage) {
  try {
    ParseThrowing(std::runtime_error("handler refused"));
    FAIL();
  } catch (const CKORError& error) {
    EXPECT_STREQ(error.what(), "handler refused");
    EXPECT_EQ(error.Component(), "ZEV");
    EXPECT_EQ(error.ID(), 0);
  }
  ExpectCleanEnd();
}

TEST_F(HandlerExceptions, OutOfMemoryInAHandlerComesBackAsBadAlloc) {
  try {
    ParseThrowing(std::bad_alloc());
    FAIL();
  } catch (const CKORError&) {
    FAIL() << "out of memory is raised as std::bad_alloc";
  } catch (const std::bad_alloc& error) {
    EXPECT_STREQ(error.what(), "bad allocation");
  }
  ExpectCleanEnd();
}

TEST_F(HandlerExceptions, ACKORErrorKeepsItsOwnHandle) {
  CKORError original;
  try {
    parser_test::NewPlainParser().setFeature("http://example.com/no-such-feature", false);
  } catch (const CKORError& error) {
    original = error;
  }
  ASSERT_NE(original.Handle(), nullptr);
  try {
    ParseThrowing(original);
    FAIL();
  } catch (const CKORError& error) {
    EXPECT_EQ(error.Handle(), original.Handle());
    EXPECT_EQ(error.Component(), "QUR");
  }
  ExpectCleanEnd();
}

TEST_F(HandlerExceptions, AnythingElseComesBackAsTheGenericError) {
  try {
    ParseThrowing(42);
    FAIL();
  } catch (const CKORError& error) {
    EXPECT_EQ(error.Component(), "ZEV");
    EXPECT_EQ(error.ID(), 0);
  }
  ExpectCleanEnd();
}

}  // namespace
