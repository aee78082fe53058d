#include <gtest/gtest.h>

#include <memory>

#include "NodeProbes.h"

namespace {

// A document d holding <e> with a text leaf deep inside, and one text child.
struct ReleasableTree {
  int documents = 0;
  int texts = 0;
  ReleasableDocument* document = new ReleasableDocument(u"d", documents);
  XMLElementNode* element = new XMLElementNode(document, u"e");
  CountedText* leaf = new CountedText(texts, u"leaf");
  CountedText* top = new CountedText(texts, u"top");
  ReleasableTree() {
    document->InsertChild(element, nullptr);
    element->InsertChild(leaf, nullptr);
    document->InsertChild(top, nullptr);
  }
};

TEST(Release, DocumentWithoutLockedNodesDestroysItsWholeTree) {
  ReleasableTree tree;
  tree.document->Release();
  EXPECT_EQ(tree.documents, 1);
  EXPECT_EQ(tree.texts, 2);
}

TEST(Release, LockedNodeAnywhereBelowKeepsTheDocument) {
  ReleasableTree tree;
  tree.leaf->Lock();
  tree.document->Release();
  EXPECT_EQ(tree.documents, 0);
  tree.leaf->Unlock();
  tree.element->Lock();
  tree.document->Release();
  EXPECT_EQ(tree.documents, 0);
  tree.element->Unlock();
  tree.document->Release();
  EXPECT_EQ(tree.documents, 1);
}

TEST(Release, LocksOfTheDocumentAndOfAttributesAreNotConsulted) {
  ReleasableTree tree;
  auto* attribute = new XMLAttributeObj(tree.element, u"n", u"v");
  tree.element->InsertAttribute(attribute, nullptr);
  attribute->Lock();
  tree.document->Lock();
  tree.document->Release();
  EXPECT_EQ(tree.documents, 1);
}

TEST(Release, ReleasingANodeAsksItsDocument) {
  ReleasableTree tree;
  tree.leaf->Release();
  EXPECT_EQ(tree.documents, 1);
  EXPECT_EQ(tree.texts, 2);
}

TEST(Release, TreeUnderAPlainElementAndDetachedNodesAreLeftAlone) {
  int texts = 0;
  ReleasableElement root(nullptr, u"r");
  auto* leaf = new CountedText(texts);
  root.InsertChild(leaf, nullptr);
  leaf->Release();
  root.Release();
  EXPECT_EQ(texts, 0);
  root.RemoveChild(leaf);
  leaf->Release();
  EXPECT_EQ(texts, 0);
  delete leaf;
}

TEST(Release, DocumentListedUnderAnElementLeavesThatListFirst) {
  int documents = 0;
  XMLElementNode holder(nullptr, u"h");
  auto* document = new ReleasableDocument(u"d", documents);
  holder.InsertChild(document, nullptr);
  document->Release();
  EXPECT_EQ(documents, 1);
  EXPECT_TRUE(holder.GetChildNodes().empty());
}

}  // namespace
