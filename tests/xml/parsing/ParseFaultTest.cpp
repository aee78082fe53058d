#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TempDir.h"
#include "arborix/ParseXML.h"
#include "arborix/UTFConversion.h"
#include "arborix/XMLEntryExit.h"

namespace {

// A document whose second line closes an element it never opened: the parser
// reports the mismatch at the name of the end tag, line 2, column 8.
constexpr char kMismatched[] = "<a>\n  <b></c>\n</a>";

class ParseFault : public ::testing::Test {
 protected:
  // The fault of parsing `bytes` from a file, and the status the parse gave.
  XMLParseFault FromFile(const std::string& bytes, XMLParseStatus& status) {
    File file(folder_.Write("doc.xml", bytes));
    XMLDocument* document = nullptr;
    XMLParseFault fault{XMLParseFailed, 9, 9, "left from before"};
    status = ParseXMLFile(file, false, &document, fault);
    std::unique_ptr<XMLDocument> owned(document);
    return fault;
  }

  XMLParseFault FromBuffer(const std::string& utf8, XMLParseStatus& status) {
    XMLDocument* document = nullptr;
    XMLParseFault fault{XMLParseFailed, 9, 9, "left from before"};
    status = ParseXMLBuffer(UTF8to16(utf8), false, &document, fault);
    std::unique_ptr<XMLDocument> owned(document);
    return fault;
  }

  XMLEntryExit connection_;
  testsupport::TempDir folder_;
};

// The fault of kMismatched, wherever it was read from.
void ExpectTheMismatchOnLineTwo(const XMLParseFault& fault, XMLParseStatus status) {
  EXPECT_EQ(status, XMLParseTagMismatch);
  EXPECT_EQ(fault.status, XMLParseTagMismatch);
  EXPECT_EQ(fault.line, 2);
  EXPECT_EQ(fault.column, 8);
  EXPECT_EQ(fault.message, "mismatched tag");
}

TEST_F(ParseFault, AFileReportsTheLineColumnAndMessageOfTheFault) {
  XMLParseStatus status = XMLParseOK;
  const XMLParseFault fault = FromFile(kMismatched, status);
  ExpectTheMismatchOnLineTwo(fault, status);
}

TEST_F(ParseFault, ABufferReportsTheLineColumnAndMessageOfTheFault) {
  XMLParseStatus status = XMLParseOK;
  const XMLParseFault fault = FromBuffer(kMismatched, status);
  ExpectTheMismatchOnLineTwo(fault, status);
}

TEST_F(ParseFault, TheFaultCarriesTheStatusThatTheParseGives) {
  for (const std::string text : {"<a>&nowhere;</a>", "<a><</a>", "<a>", "text", ""}) {
    XMLParseStatus fileStatus = XMLParseOK;
    XMLParseStatus bufferStatus = XMLParseOK;
    EXPECT_EQ(FromFile(text, fileStatus).status, fileStatus) << text;
    EXPECT_EQ(FromBuffer(text, bufferStatus).status, bufferStatus) << text;
    EXPECT_NE(fileStatus, XMLParseOK) << text;
    EXPECT_NE(bufferStatus, XMLParseOK) << text;
  }
}

TEST_F(ParseFault, AnUndefinedEntityIsPlacedAtItsReference) {
  XMLParseStatus status = XMLParseOK;
  const XMLParseFault fault = FromFile("<a>\n<b>x&nowhere;</b></a>", status);
  EXPECT_EQ(status, XMLParseUndefinedEntity);
  EXPECT_EQ(fault.line, 2);
  EXPECT_EQ(fault.column, 5);
  EXPECT_FALSE(fault.message.empty());
  EXPECT_EQ(fault.message.find("line"), std::string::npos) << fault.message;
}

TEST_F(ParseFault, ACleanParseReportsNoFaultAndStillGivesTheTree) {
  for (const bool fromFile : {true, false}) {
    XMLDocument* document = nullptr;
    XMLParseFault fault{XMLParseFailed, 9, 9, "left from before"};
    XMLParseStatus status = XMLParseFailed;
    if (fromFile) {
      File file(folder_.Write("clean.xml", "<a><b/></a>"));
      status = ParseXMLFile(file, false, &document, fault);
    } else {
      status = ParseXMLBuffer(u"<a><b/></a>", false, &document, fault);
    }
    std::unique_ptr<XMLDocument> owned(document);
    EXPECT_EQ(status, XMLParseOK);
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(owned->GetChildNodes().size(), 1u);
    EXPECT_EQ(fault.status, XMLParseOK);
    EXPECT_EQ(fault.line, 0);
    EXPECT_EQ(fault.column, 0);
    EXPECT_EQ(fault.message, "");
  }
}

TEST_F(ParseFault, AFailedParseWithTheFaultStillStoresNoDocument) {
  File file(folder_.Write("doc.xml", kMismatched));
  XMLDocument* document = nullptr;
  XMLParseFault fault;
  EXPECT_EQ(ParseXMLFile(file, false, &document, fault), XMLParseTagMismatch);
  EXPECT_EQ(document, nullptr);
  EXPECT_EQ(ParseXMLBuffer(UTF8to16(kMismatched), false, &document, fault), XMLParseTagMismatch);
  EXPECT_EQ(document, nullptr);
}

TEST_F(ParseFault, WithoutADocumentOutputTheFaultIsStillReported) {
  File file(folder_.Write("doc.xml", kMismatched));
  XMLParseFault fault;
  EXPECT_EQ(ParseXMLFile(file, false, nullptr, fault), XMLParseTagMismatch);
  EXPECT_EQ(fault.line, 2);
  EXPECT_EQ(ParseXMLBuffer(u"<a/>", false, nullptr, fault), XMLParseOK);
  EXPECT_EQ(fault.status, XMLParseOK);
  EXPECT_EQ(fault.line, 0);
}

}  // namespace
