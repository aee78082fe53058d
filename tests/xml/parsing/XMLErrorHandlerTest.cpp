#include <gtest/gtest.h>

#include "arborix/UnicodeStringBasedQURInputStream.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/XMLErrorHandler.h"
#include "arborix/client/CQURSAX2Parser.h"
#include "arborix/client/HQURContentHandlerBase.h"

namespace {

// The status `errors` names after a parse of `text` with it.
XMLParseStatus StatusAfterParsing(const UTF16String& text) {
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
  auto* errors = new XMLErrorHandler;
  parser.A_setContentHandler(new HQURContentHandlerBase);
  parser.A_setErrorHandler(errors);
  try {
    parser.A_parse(new UnicodeStringBasedQURInputStream(text));
  } catch (const CKORError&) {
  }
  const XMLParseStatus status = errors->Status();
  parser.Release();
  return status;
}

TEST(XMLErrorHandler, StatusIsThatOfTheRecordedError) {
  XMLEntryExit connection;
  EXPECT_EQ(StatusAfterParsing(u"<a></b>"), XMLParseTagMismatch);
  EXPECT_EQ(StatusAfterParsing(u"<a>&nowhere;</a>"), XMLParseUndefinedEntity);
  EXPECT_EQ(StatusAfterParsing(u"<a><</a>"), XMLParseNotWellFormed);
}

TEST(XMLErrorHandler, StatusWithoutARecordedErrorIsFailed) {
  XMLEntryExit connection;
  EXPECT_EQ(XMLErrorHandler().Status(), XMLParseFailed);
  EXPECT_EQ(StatusAfterParsing(u"<a/>"), XMLParseFailed);
}

}  // namespace
