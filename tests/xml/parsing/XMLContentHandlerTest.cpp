// The content handler driven by the parser directly, with a handler variant
// that reports whitespace-only runs as ignorable, the way a validating parser
// does for element content.
#include <gtest/gtest.h>

#include <memory>

#include "TreeText.h"
#include "arborix/UnicodeStringBasedQURInputStream.h"
#include "arborix/XMLContentHandler.h"
#include "arborix/XMLEntryExit.h"
#include "arborix/client/CQURSAX2Parser.h"

using parsing_test::Outline;

namespace {

class WhitespaceClassifyingBuilder : public XMLContentHandler {
 public:
  using XMLContentHandler::XMLContentHandler;
  void characters(CQURString& text) override {
    const std::u16string value = text.GetText();
    if (value.find_first_not_of(u" \t\r\n") == std::u16string::npos) {
      ignorableWhitespace(text);
    } else {
      XMLContentHandler::characters(text);
    }
  }
};

struct Built {
  bool complete;
  std::u16string tree;
};

Built Build(const std::u16string& text, bool ignoreWhitespace) {
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  auto* builder = new WhitespaceClassifyingBuilder(ignoreWhitespace);
  parser.A_setContentHandler(builder);
  parser.A_parse(new UnicodeStringBasedQURInputStream(text));
  std::unique_ptr<XMLDocument> document(builder->TakeDocument());
  return {builder->IsComplete(), document ? Outline(document.get()) : u""};
}

TEST(XMLContentHandler, DropsIgnorableWhitespaceOnlyWhenAsked) {
  XMLEntryExit connection;
  const std::u16string text = u"<a>\n  <b> x </b>\n</a>";
  EXPECT_EQ(Build(text, true).tree, u"a[b[' x ']]");
  EXPECT_EQ(Build(text, false).tree, u"a['\n  ',b[' x '],'\n']");
}

TEST(XMLContentHandler, IsCompleteOnceTheDocumentHasEnded) {
  XMLEntryExit connection;
  EXPECT_TRUE(Build(u"<a/>", false).complete);
}

TEST(XMLContentHandler, ForgetsTheDocumentItHandsOut) {
  XMLEntryExit connection;
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  auto* builder = new XMLContentHandler(false);
  parser.A_setContentHandler(builder);
  parser.A_parse(new UnicodeStringBasedQURInputStream(u"<a/>"));
  std::unique_ptr<XMLDocument> document(builder->TakeDocument());
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(builder->TakeDocument(), nullptr);
}

}  // namespace
