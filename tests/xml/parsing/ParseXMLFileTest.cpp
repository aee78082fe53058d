#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TempDir.h"
#include "TreeText.h"
#include "arborix/ParseXML.h"
#include "arborix/XMLEntryExit.h"

using parsing_test::Outline;

namespace {

class ParseXMLFileTest : public ::testing::Test {
 protected:
  std::pair<XMLParseStatus, std::u16string> Parse(const std::string& bytes) {
    File file(folder_.Write("doc.xml", bytes));
    XMLDocument* document = nullptr;
    const XMLParseStatus status = ParseXMLFile(file, false, &document);
    std::unique_ptr<XMLDocument> owned(document);
    return {status, owned ? Outline(owned.get()) : u""};
  }

  XMLEntryExit connection_;
  testsupport::TempDir folder_;
};

TEST_F(ParseXMLFileTest, ReadsUTF8WithAndWithoutByteOrderMark) {
  EXPECT_EQ(Parse("<a b='\xC3\xA9'>\xE2\x82\xAC</a>").second, u"a(b=\u00E9)['\u20AC']");
  EXPECT_EQ(Parse("\xEF\xBB\xBF<a>x</a>").second, u"a['x']");
}

TEST_F(ParseXMLFileTest, ReadsUTF16InBothByteOrders) {
  EXPECT_EQ(Parse(std::string("\xFF\xFE<\0a\0/\0>\0", 10)).second, u"a");
  EXPECT_EQ(Parse(std::string("\xFE\xFF\0<\0a\0/\0>", 10)).second, u"a");
  EXPECT_EQ(Parse(std::string("<\0a\0>\0\xAC\x20<\0/\0a\0>\0", 16)).second, u"a['\u20AC']");
}

TEST_F(ParseXMLFileTest, ReadsLatin1WhenTheDeclarationNamesIt) {
  EXPECT_EQ(Parse("<?xml version='1.0' encoding='ISO-8859-1'?><a>\xE9</a>").second, u"a['\u00E9']");
}

TEST_F(ParseXMLFileTest, RejectsBytesThatAreNotInTheDocumentsEncoding) {
  EXPECT_EQ(Parse("<a>\xE9</a>").first, XMLParseNotWellFormed);
  EXPECT_EQ(Parse("<?xml version='1.0' encoding='x-unheard-of'?><a/>").first, XMLParseBadEncoding);
}

TEST_F(ParseXMLFileTest, AFileThatBreaksOffReportsTheOpenElement) {
  const auto [status, tree] = Parse("<a><b>text</b><c>");
  EXPECT_EQ(status, XMLParseTagMismatch);
  EXPECT_EQ(tree, u"");
}

TEST_F(ParseXMLFileTest, ADocumentLargerThanOneReadIsWhole) {
  std::string text = "<list>";
  for (int i = 0; i < 8000; ++i) text += "<i n='" + std::to_string(i) + "'>v</i>";
  text += "</list>";
  File file(folder_.Write("large.xml", text));
  XMLDocument* document = nullptr;
  ASSERT_EQ(ParseXMLFile(file, false, &document), XMLParseOK);
  std::unique_ptr<XMLDocument> owned(document);
  const auto children = document->GetChildNodes();
  ASSERT_EQ(children.size(), 8000u);
  std::u16string last;
  static_cast<XMLElementNode*>(children.back())->GetAttributes().front()->GetValue(last);
  EXPECT_EQ(last, u"7999");
}

TEST_F(ParseXMLFileTest, AMissingFileThrows) {
  File missing(folder_.Path() / "absent.xml");
  XMLDocument* document = reinterpret_cast<XMLDocument*>(0x1);
  EXPECT_THROW(ParseXMLFile(missing, false, &document), FileError);
  EXPECT_EQ(document, nullptr);
}

}  // namespace
