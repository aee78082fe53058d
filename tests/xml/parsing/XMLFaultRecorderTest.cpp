#include <gtest/gtest.h>

#include "arborix/UnicodeStringBasedQURInputStream.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/XMLFaultRecorder.h"
#include "arborix/client/CQURSAX2Parser.h"
#include "arborix/client/HQURContentHandlerBase.h"

namespace {

// Hands the parser's locator to the recorder, as a caller's own handler does.
class LocatorPassing : public HQURContentHandlerBase {
 public:
  explicit LocatorPassing(XMLFaultRecorder& recorder) : recorder_(recorder) {}
  void setDocumentLocator(CQURLocator& locator) override { recorder_.FollowLocator(locator); }

 private:
  XMLFaultRecorder& recorder_;
};

// The fault the recorder kept after a parse of `text`, and whether it recorded
// an error; the content handler passes it the locator when `passLocator`.
XMLParseFault FaultAfterParsing(const UTF16String& text, bool passLocator, bool& recorded) {
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
  auto* recorder = new XMLFaultRecorder;
  parser.A_setContentHandler(passLocator ? new LocatorPassing(*recorder) : new HQURContentHandlerBase);
  parser.A_setErrorHandler(recorder);
  try {
    parser.A_parse(new UnicodeStringBasedQURInputStream(text));
  } catch (const CKORError&) {
  }
  const XMLParseFault fault = recorder->Fault();
  recorded = recorder->HasError();
  parser.Release();
  return fault;
}

TEST(XMLFaultRecorder, AFaultIsPlacedWhereTheLocatorStandsAndItsMessageDropsTheRepeatedPosition) {
  XMLEntryExit connection;
  bool recorded = false;
  const XMLParseFault fault = FaultAfterParsing(u"<a>\n<b></a>", true, recorded);
  EXPECT_TRUE(recorded);
  EXPECT_EQ(fault.status, XMLParseTagMismatch);
  EXPECT_EQ(fault.line, 2);
  EXPECT_EQ(fault.column, 6);
  EXPECT_EQ(fault.message, "mismatched tag");
}

TEST(XMLFaultRecorder, WithoutALocatorAFaultHasNoPositionAndKeepsTheWholeMessage) {
  XMLEntryExit connection;
  bool recorded = false;
  const XMLParseFault fault = FaultAfterParsing(u"<a>\n<b></a>", false, recorded);
  EXPECT_TRUE(recorded);
  EXPECT_EQ(fault.status, XMLParseTagMismatch);
  EXPECT_EQ(fault.line, 0);
  EXPECT_EQ(fault.column, 0);
  EXPECT_EQ(fault.message, "mismatched tag at line 2, column 6");
}

TEST(XMLFaultRecorder, ACleanParseRecordsNoFault) {
  XMLEntryExit connection;
  bool recorded = true;
  const XMLParseFault fault = FaultAfterParsing(u"<a>\n<b/></a>", true, recorded);
  EXPECT_FALSE(recorded);
  EXPECT_EQ(fault.status, XMLParseOK);
  EXPECT_EQ(fault.line, 0);
  EXPECT_EQ(fault.message, "");
}

TEST(XMLFaultRecorder, AFaultKeepsTheStatusOfItsErrorID) {
  XMLEntryExit connection;
  bool recorded = false;
  EXPECT_EQ(FaultAfterParsing(u"<a>&nowhere;</a>", true, recorded).status, XMLParseUndefinedEntity);
  EXPECT_EQ(FaultAfterParsing(u"<a><</a>", true, recorded).status, XMLParseNotWellFormed);
}

}  // namespace
