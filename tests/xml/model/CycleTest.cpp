// An element cannot be inserted into itself or below itself: the insertion
// is refused and the tree stays as it was, so that every operation that walks
// the tree still ends.
#include <gtest/gtest.h>

#include <list>
#include <memory>

#include "NodeProbes.h"

namespace {

// <a><b><c>t</c></b></a> with counted text.
struct Chain {
  int texts = 0;
  std::unique_ptr<XMLElementNode> a = std::make_unique<XMLElementNode>(nullptr, u"a");
  XMLElementNode* b = new XMLElementNode(nullptr, u"b");
  XMLElementNode* c = new XMLElementNode(nullptr, u"c");
  Chain() {
    a->InsertChild(b, nullptr);
    b->InsertChild(c, nullptr);
    c->InsertChild(new CountedText(texts, u"t"), nullptr);
  }
};

TEST(Cycle, ElementInsertedIntoItselfIsRefused) {
  Chain chain;
  chain.b->InsertChild(chain.b, nullptr);
  chain.b->InsertChild(chain.b, chain.c);
  EXPECT_EQ(chain.b->GetChildNodes(), (std::list<XMLBase*>{chain.c}));
  EXPECT_EQ(chain.b->GetParent(), chain.a.get());
  EXPECT_EQ(XMLOf(*chain.a), u"<a><b><c>t</c></b></a>");
}

TEST(Cycle, AncestorInsertedBelowItsDescendantIsRefusedAndTheTreeStays) {
  Chain chain;
  chain.b->InsertChild(chain.a.get(), nullptr);
  chain.c->InsertChild(chain.a.get(), nullptr);
  chain.c->InsertChild(chain.b, nullptr);
  EXPECT_EQ(chain.a->GetParent(), nullptr);
  EXPECT_EQ(chain.b->GetParent(), chain.a.get());
  EXPECT_EQ(chain.a->GetChildNodes(), (std::list<XMLBase*>{chain.b}));
  EXPECT_EQ(chain.b->GetChildNodes(), (std::list<XMLBase*>{chain.c}));
  EXPECT_EQ(chain.c->GetChildNodes().size(), 1u);
}

TEST(Cycle, RefusalHoldsWhenParentPointersSayOtherwise) {
  Chain chain;
  chain.b->SetParent(nullptr);
  chain.c->SetParent(nullptr);
  chain.c->InsertChild(chain.a.get(), nullptr);
  EXPECT_EQ(chain.a->GetParent(), nullptr);
  EXPECT_EQ(chain.c->GetChildNodes().size(), 1u);
}

TEST(Cycle, AfterARefusalTheTreeIsWrittenClonedAndDestroyedOnce) {
  Chain chain;
  chain.c->InsertChild(chain.a.get(), nullptr);
  chain.b->InsertChild(chain.b, nullptr);
  EXPECT_EQ(XMLOf(*chain.a), u"<a><b><c>t</c></b></a>");
  std::unique_ptr<XMLBase> copy(chain.a->Clone(true));
  EXPECT_EQ(XMLOf(*copy), u"<a><b><c>t</c></b></a>");
  copy.reset();
  EXPECT_EQ(chain.texts, 0);  // the copy holds a plain text node
  chain.a.reset();
  EXPECT_EQ(chain.texts, 1);
}

TEST(Cycle, AfterARefusalReleaseDestroysTheDocumentOnce) {
  int documents = 0;
  int texts = 0;
  auto* document = new ReleasableDocument(u"d", documents);
  auto* element = new XMLElementNode(nullptr, u"e");
  auto* leaf = new CountedText(texts);
  document->InsertChild(element, nullptr);
  element->InsertChild(leaf, nullptr);
  element->InsertChild(document, nullptr);
  element->InsertChild(element, nullptr);
  EXPECT_EQ(document->GetParent(), nullptr);
  leaf->Release();
  EXPECT_EQ(documents, 1);
  EXPECT_EQ(texts, 1);
}

TEST(Cycle, NodeMayStillMoveBetweenUnrelatedBranches) {
  Chain chain;
  auto* d = new XMLElementNode(nullptr, u"d");
  chain.a->InsertChild(d, nullptr);
  d->InsertChild(chain.c, nullptr);
  EXPECT_EQ(XMLOf(*chain.a), u"<a><b /><d><c>t</c></d></a>");
  chain.c->InsertChild(chain.b, nullptr);
  EXPECT_EQ(XMLOf(*chain.a), u"<a><d><c>t<b /></c></d></a>");
}

}  // namespace
