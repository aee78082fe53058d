#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TreeText.h"
#include "arborix/ParseXML.h"
#include "arborix/XMLEntryExit.h"

using parsing_test::Outline;

namespace {

class ParseXMLBufferTest : public ::testing::Test {
 protected:
  // The status, and the tree in outline (empty when none was returned).
  std::pair<XMLParseStatus, std::u16string> Parse(const std::u16string& text, bool ignoreWhitespace = false) {
    XMLDocument* document = reinterpret_cast<XMLDocument*>(0x1);
    const XMLParseStatus status = ParseXMLBuffer(text, ignoreWhitespace, &document);
    std::unique_ptr<XMLDocument> owned(document);
    return {status, owned ? Outline(owned.get()) : u""};
  }

  XMLEntryExit connection_;
};

TEST_F(ParseXMLBufferTest, BuildsElementsAttributesAndTextInDocumentOrder) {
  const auto [status, tree] =
      Parse(u"<?xml version='1.0'?><root a='1' b=\"two\"><x/>text<y c='3'>inner</y>tail</root>");
  EXPECT_EQ(status, XMLParseOK);
  EXPECT_EQ(tree, u"root(a=1 b=two)[x,'text',y(c=3)['inner'],'tail']");
}

TEST_F(ParseXMLBufferTest, ReturnsALoadedDocumentWithTheDefaultDeclarations) {
  XMLDocument* document = nullptr;
  ASSERT_EQ(ParseXMLBuffer(u"<!DOCTYPE r><r/>", false, &document), XMLParseOK);
  std::unique_ptr<XMLDocument> owned(document);
  EXPECT_TRUE(document->GetLoaded());
  std::u16string declaration;
  std::u16string docType = u"unchanged";
  document->GetXMLDecl(declaration);
  document->GetDocTypeDecl(docType);
  EXPECT_EQ(declaration, u"<?xml version='1.0'?>");
  EXPECT_EQ(docType, u"");
}

TEST_F(ParseXMLBufferTest, StoresTextAndAttributeValuesWithReferencesResolved) {
  const auto [status, tree] = Parse(u"<a v='&lt;&#x41;&quot;'>1 &amp; 2 &#233;&#x1F600;</a>");
  EXPECT_EQ(status, XMLParseOK);
  EXPECT_EQ(tree, u"a(v=<A\")['1 & 2 é\U0001F600']");
}

TEST_F(ParseXMLBufferTest, KeepsWhitespaceOnlyTextAndTextSplitByMarkup) {
  const auto [status, tree] = Parse(u"<a>\n  <b/> x<!--c-->y<![CDATA[<z>]]>w<?pi d?>v</a>", true);
  EXPECT_EQ(status, XMLParseOK);
  EXPECT_EQ(tree, u"a['\n  ',b,' x','y','<z>','w','v']");
}

// A text reaches the tree without its size: its length is found by its
// terminator, one unit or a whole block at a time.
TEST_F(ParseXMLBufferTest, TextsOfEveryLengthOverSeveralBlocksReadBackWhole) {
  for (std::size_t length = 1; length <= 72; ++length) {
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<char16_t>(u'a' + i % 26);
    text.back() = u'\u00e9';
    const auto [status, tree] = Parse(u"<a n='" + text + u"'>" + text + u"</a>");
    EXPECT_EQ(tree, u"a(n=" + text + u")['" + text + u"']") << "length " << length;
  }
}

TEST_F(ParseXMLBufferTest, NamesAreTakenAsWrittenWithoutNamespaceProcessing) {
  const auto [status, tree] = Parse(u"<p:a xmlns:p='urn:x' p:b='1'><p:c/></p:a>");
  EXPECT_EQ(status, XMLParseOK);
  EXPECT_EQ(tree, u"p:a(xmlns:p=urn:x p:b=1)[p:c]");
}

TEST_F(ParseXMLBufferTest, MapsEachClassOfFaultToItsStatus) {
  EXPECT_EQ(Parse(u"<a><b></a>").first, XMLParseTagMismatch);
  EXPECT_EQ(Parse(u"<a><b>").first, XMLParseTagMismatch);
  EXPECT_EQ(Parse(u"").first, XMLParseNoRootElement);
  EXPECT_EQ(Parse(u"<!-- only a comment -->").first, XMLParseNoRootElement);
  EXPECT_EQ(Parse(u"<a x='1' x='2'/>").first, XMLParseNotWellFormed);
  EXPECT_EQ(Parse(u"<a/><b/>").first, XMLParseNotWellFormed);
  EXPECT_EQ(Parse(u"<a>\u0001</a>").first, XMLParseNotWellFormed);
  EXPECT_EQ(Parse(u"<a>&nowhere;</a>").first, XMLParseUndefinedEntity);
}

// A text that starts with U+FEFF is read as UTF-16 with a byte-order mark:
// a lone surrogate there must not swallow the quote or the '<' after it.
TEST_F(ParseXMLBufferTest, ALoneSurrogateAfterALeadingByteOrderMarkIsNotWellFormed) {
  EXPECT_EQ(Parse(u"\uFEFF<a b=\"\xD800\"c\" d=\"e\"/>"), std::make_pair(XMLParseNotWellFormed, std::u16string()));
  EXPECT_EQ(Parse(u"\uFEFF<a>\xD800x</a>"), std::make_pair(XMLParseNotWellFormed, std::u16string()));
  EXPECT_EQ(Parse(u"\uFEFF<a>\xDC00</a>"), std::make_pair(XMLParseNotWellFormed, std::u16string()));
  EXPECT_EQ(Parse(u"\uFEFF<a b='\U00010022'/>").first, XMLParseOK);
}

TEST_F(ParseXMLBufferTest, AFailedParseReturnsNoTree) {
  const auto [status, tree] = Parse(u"<a><b>text</b><c x='1'><d></c></a>");
  EXPECT_EQ(status, XMLParseTagMismatch);
  EXPECT_EQ(tree, u"");
}

TEST_F(ParseXMLBufferTest, EntityExpansionBeyondTheParsersLimitFailsWithoutATree) {
  std::u16string bomb = u"<!DOCTYPE b [<!ENTITY e0 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx'>";
  for (int level = 1; level <= 9; ++level) {
    const std::u16string previous = u"&e" + std::u16string(1, static_cast<char16_t>(u'0' + level - 1)) + u';';
    std::u16string value;
    for (int copy = 0; copy < 10; ++copy) value += previous;
    bomb += u"<!ENTITY e" + std::u16string(1, static_cast<char16_t>(u'0' + level)) + u" '" + value + u"'>";
  }
  bomb += u"]><b>&e9;</b>";
  const auto [status, tree] = Parse(bomb);
  EXPECT_EQ(status, XMLParseFailed);
  EXPECT_EQ(tree, u"");
}

TEST_F(ParseXMLBufferTest, ANullDocumentPointerStillGetsTheStatus) {
  EXPECT_EQ(ParseXMLBuffer(u"<a><b/></a>", false, nullptr), XMLParseOK);
  EXPECT_EQ(ParseXMLBuffer(u"<a><b></a>", false, nullptr), XMLParseTagMismatch);
}

TEST_F(ParseXMLBufferTest, DeepNestingParsesAndFrees) {
  constexpr int kDepth = 20000;
  std::u16string text;
  for (int level = 0; level < kDepth; ++level) text += u"<e>";
  text += u"bottom";
  for (int level = 0; level < kDepth; ++level) text += u"</e>";
  XMLDocument* document = nullptr;
  ASSERT_EQ(ParseXMLBuffer(text, false, &document), XMLParseOK);
  std::unique_ptr<XMLDocument> owned(document);
  XMLBase* node = document;
  int depth = 1;
  while (true) {
    const auto children = node->GetChildNodes();
    ASSERT_EQ(children.size(), 1u);
    if (children.front()->GetNodeType() != XMLElementType) break;
    node = children.front();
    ++depth;
  }
  EXPECT_EQ(depth, kDepth);
}

// Parses reuse what earlier parses left behind: each must start afresh
// whatever the one before it met.
TEST_F(ParseXMLBufferTest, EachParseStartsAfreshAfterFailuresAndLongTokens) {
  EXPECT_EQ(Parse(u"<a><b></a>").first, XMLParseTagMismatch);
  EXPECT_EQ(Parse(u"<a x='1'>t</a>").second, u"a(x=1)['t']");
  const std::u16string longValue(300000, u'v');
  EXPECT_EQ(Parse(u"<a x='" + longValue + u"'/>").second, u"a(x=" + longValue + u")");
  EXPECT_EQ(Parse(u"<a x='" + longValue).first, XMLParseNotWellFormed);
  EXPECT_EQ(Parse(u"<c/>").second, u"c");
}

TEST(ParseXMLWithoutConnection, ThrowsInsteadOfParsing) {
  EXPECT_THROW(ParseXMLBuffer(u"<a/>", false, nullptr), std::exception);
}

}  // namespace
