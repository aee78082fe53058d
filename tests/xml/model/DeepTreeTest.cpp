#include <gtest/gtest.h>

#include <memory>

#include "NodeProbes.h"

namespace {

constexpr int kDepth = 1'000'000;

// <d><e><e>...<e>leaf</e>...</e></e></d>, each element inside the one before.
std::unique_ptr<XMLDocument> DeeplyNestedDocument(int depth) {
  auto document = std::make_unique<XMLDocument>(u"d");
  XMLElementNode* innermost = document.get();
  for (int i = 0; i < depth; ++i) {
    auto* element = new XMLElementNode(innermost, u"e");
    innermost->InsertChild(element, nullptr);
    innermost = element;
  }
  innermost->InsertChild(new XMLTextNode(innermost, u"leaf"), nullptr);
  return document;
}

TEST(DeepTree, MillionNestedElementsAreSerialisedClonedAndDestroyed) {
  std::unique_ptr<XMLDocument> document = DeeplyNestedDocument(kDepth);
  const UTF16String text = XMLOf(*document);
  const std::size_t declaration = std::char_traits<char16_t>::length(u"<?xml version='1.0'?>");
  EXPECT_EQ(text.size(), declaration + 3 + kDepth * 7u + 4 + 4);
  EXPECT_EQ(text.substr(declaration, 9), u"<d><e><e>");
  EXPECT_EQ(text.substr(declaration + 3 + kDepth * 3u, 12), u"leaf</e></e>");
  EXPECT_EQ(text.substr(text.size() - 8), u"</e></d>");

  std::unique_ptr<XMLBase> copy(document->Clone(true));
  EXPECT_EQ(XMLOf(*copy), text);
  copy.reset();
  document.reset();
}

TEST(DeepTree, ReleaseLooksThroughEveryLevelForALock) {
  int documents = 0;
  int texts = 0;
  auto* document = new ReleasableDocument(u"d", documents);
  XMLElementNode* innermost = document;
  for (int i = 0; i < kDepth; ++i) {
    auto* element = new XMLElementNode(innermost, u"e");
    innermost->InsertChild(element, nullptr);
    innermost = element;
  }
  auto* leaf = new CountedText(texts);
  innermost->InsertChild(leaf, nullptr);
  leaf->Lock();
  document->Release();
  EXPECT_EQ(documents, 0);
  leaf->Unlock();
  leaf->Release();
  EXPECT_EQ(documents, 1);
  EXPECT_EQ(texts, 1);
}

}  // namespace
