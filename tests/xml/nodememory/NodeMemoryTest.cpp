// Nodes and texts live in pooled memory that goes back to the system as a
// tree is deleted; a node taken out of one tree or moved into another keeps
// its own memory, whatever becomes of the tree it came from.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Arborix.h"

namespace {

UTF16String XMLOf(XMLBase& node) {
  UTF16String out;
  node.AppendXML(out);
  return out;
}

std::unique_ptr<XMLDocument> Parsed(const std::u16string& text) {
  XMLDocument* document = nullptr;
  EXPECT_EQ(ParseXMLBuffer(text, false, &document), XMLParseOK);
  return std::unique_ptr<XMLDocument>(document);
}

TEST(NodeMemory, ANodeMovedIntoAnotherDocumentOutlivesTheDocumentItCameFrom) {
  XMLEntryExit connection;
  auto source = Parsed(u"<a><moved key='a value long enough for a block'>some text<b/></moved><stays/></a>");
  auto target = Parsed(u"<t/>");
  XMLBase* moved = source->GetChildNodes().front();
  target->InsertChild(moved, nullptr);
  // Enough other trees made and deleted to reuse whatever the source freed.
  source.reset();
  for (int i = 0; i < 200; ++i) Parsed(u"<x y='a value long enough for a block'>filler text of some length</x>");
  EXPECT_EQ(XMLOf(*target), u"<?xml version='1.0'?><t><moved key=\"a value long enough for a block\">some text<b /></moved></t>");
}

TEST(NodeMemory, ARemovedNodeOutlivesItsDocumentAndIsDeletedOnItsOwn) {
  XMLEntryExit connection;
  auto source = Parsed(u"<a><kept n='1'>text</kept></a>");
  XMLBase* kept = source->GetChildNodes().front();
  source->RemoveChild(kept);
  source.reset();
  std::unique_ptr<XMLBase> owned(kept);
  EXPECT_EQ(XMLOf(*owned), u"<kept n=\"1\">text</kept>");
}

// Texts of up to four units are kept in the node itself, longer ones in a
// block; converted text that shrank moves to the place that fits it.
TEST(NodeMemory, TextsAroundEveryStorageBoundaryReadBackWhole) {
  XMLEntryExit connection;
  for (const std::u16string& text :
       {std::u16string(u""), std::u16string(u"abcd"), std::u16string(u"abcde"), std::u16string(u"\u00E9\u00E9"),
        std::u16string(u"\u00E9\u00E9\u00E9"), std::u16string(u"\u20AC\u20AC\u20AC\u20AC\u20AC"),
        std::u16string(u"\U0001F600\U0001F600"), std::u16string(600, u'\u00E9'), std::u16string(5000, u'x'),
        std::u16string(9000, u'\u20AC')}) {
    auto document = Parsed(u"<a v='" + text + u"'>" + text + u"</a>");
    std::u16string value;
    document->GetAttributes().front()->GetValue(value);
    EXPECT_EQ(value, text);
    if (text.empty()) {
      EXPECT_TRUE(document->GetChildNodes().empty());
      continue;
    }
    auto* node = static_cast<XMLTextNode*>(document->GetChildNodes().front());
    node->GetValue(value);
    EXPECT_EQ(value, text);
    const XMLTextNode copy(*node);
    document.reset();
    copy.GetValue(value);
    EXPECT_EQ(value, text) << "a copy has its own text";
  }
}

TEST(NodeMemory, SettingAValueReplacesTheTextAcrossTheInlineBoundary) {
  XMLTextNode node(nullptr, u"abcd");
  std::u16string value;
  for (std::u16string next : {u"abcde", u"ab", u"a much longer text than four units", u""}) {
    node.SetValue(next);
    node.GetValue(value);
    EXPECT_EQ(value, next);
  }
}

}  // namespace
