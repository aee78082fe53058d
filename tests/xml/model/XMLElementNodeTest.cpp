#include <gtest/gtest.h>

#include <list>
#include <memory>

#include "NodeProbes.h"

namespace {

std::list<XMLBase*> Children(const XMLElementNode& element) { return element.GetChildNodes(); }

TEST(XMLElementNode, InsertChildGoesBeforeItsSiblingOrElseAtTheEnd) {
  XMLElementNode parent(nullptr, u"p");
  auto* first = new XMLTextNode(nullptr, u"1");
  auto* last = new XMLTextNode(nullptr, u"3");
  auto* middle = new XMLTextNode(nullptr, u"2");
  XMLTextNode stranger(nullptr, u"s");
  parent.InsertChild(first, nullptr);
  parent.InsertChild(last, &stranger);
  parent.InsertChild(middle, last);
  EXPECT_EQ(Children(parent), (std::list<XMLBase*>{first, middle, last}));
  EXPECT_EQ(middle->GetParent(), &parent);
  EXPECT_EQ(stranger.GetParent(), nullptr);
}

TEST(XMLElementNode, InsertingAListedChildMovesItAndListsItOnce) {
  XMLElementNode parent(nullptr, u"p");
  auto* a = new XMLTextNode(nullptr, u"a");
  auto* b = new XMLTextNode(nullptr, u"b");
  parent.InsertChild(a, nullptr);
  parent.InsertChild(b, nullptr);
  parent.InsertChild(b, a);
  EXPECT_EQ(Children(parent), (std::list<XMLBase*>{b, a}));
  // Before itself: once taken out it is no longer a child, so it goes last.
  parent.InsertChild(b, b);
  EXPECT_EQ(Children(parent), (std::list<XMLBase*>{a, b}));
}

TEST(XMLElementNode, AppendingDetachedAndForeignNodesListsEachOnceInOrder) {
  XMLElementNode parent(nullptr, u"p");
  XMLElementNode other(nullptr, u"o");
  auto* detached = new XMLTextNode(nullptr, u"d");
  auto* underParent = new XMLTextNode(&parent, u"u");  // names its parent, not yet listed
  auto* fromOther = new XMLTextNode(nullptr, u"f");
  other.InsertChild(fromOther, nullptr);
  parent.InsertChild(detached, nullptr);
  parent.InsertChild(underParent, nullptr);
  parent.InsertChild(fromOther, nullptr);
  parent.InsertChild(detached, nullptr);  // already listed: moves to the end
  EXPECT_EQ(parent.GetChildNodes(), (std::list<XMLBase*>{underParent, fromOther, detached}));
  EXPECT_TRUE(other.GetChildNodes().empty());
  for (XMLBase* child : parent.GetChildNodes()) EXPECT_EQ(child->GetParent(), &parent);
}

TEST(XMLElementNode, RemovedChildIsDetachedAndCanBeInsertedAgain) {
  int destroyed = 0;
  auto first = std::make_unique<XMLElementNode>(nullptr, u"a");
  auto second = std::make_unique<XMLElementNode>(nullptr, u"b");
  auto* child = new CountedText(destroyed);
  first->InsertChild(child, nullptr);
  first->RemoveChild(child);
  EXPECT_TRUE(first->GetChildNodes().empty());
  EXPECT_EQ(child->GetParent(), nullptr);
  first.reset();
  EXPECT_EQ(destroyed, 0);
  second->InsertChild(child, nullptr);
  EXPECT_EQ(child->GetParent(), second.get());
  second.reset();
  EXPECT_EQ(destroyed, 1);
}

TEST(XMLElementNode, RemoveChildOfANonChildLeavesThatNodeAlone) {
  XMLElementNode owner(nullptr, u"o");
  XMLElementNode other(nullptr, u"x");
  auto* child = new XMLTextNode(nullptr, u"t");
  owner.InsertChild(child, nullptr);
  other.RemoveChild(child);
  EXPECT_EQ(child->GetParent(), &owner);
  EXPECT_EQ(owner.GetChildNodes().size(), 1u);
}

TEST(XMLElementNode, InsertingANodeListedElsewhereTakesItFromItsFormerParent) {
  int destroyed = 0;
  {
    XMLElementNode first(nullptr, u"a");
    XMLElementNode second(nullptr, u"b");
    auto* child = new CountedText(destroyed);
    first.InsertChild(child, nullptr);
    second.InsertChild(child, nullptr);
    EXPECT_TRUE(first.GetChildNodes().empty());
    EXPECT_EQ(second.GetChildNodes(), (std::list<XMLBase*>{child}));
    EXPECT_EQ(child->GetParent(), &second);
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(XMLElementNode, InsertingAnAttributeListedElsewhereTakesItFromItsFormerElement) {
  int destroyed = 0;
  {
    XMLElementNode first(nullptr, u"a");
    XMLElementNode second(nullptr, u"b");
    auto* attribute = new CountedAttribute(destroyed);
    first.InsertAttribute(attribute, nullptr);
    second.InsertAttribute(attribute, nullptr);
    EXPECT_TRUE(first.GetAttributes().empty());
    EXPECT_EQ(second.GetAttributes(), (std::list<XMLAttributeObj*>{attribute}));
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(XMLElementNode, AttributesKeepInsertionOrderAndMoveLikeChildren) {
  XMLElementNode element(nullptr, u"e");
  auto* x = new XMLAttributeObj(nullptr, u"x", u"1");
  auto* y = new XMLAttributeObj(nullptr, u"y", u"2");
  auto* z = new XMLAttributeObj(nullptr, u"z", u"3");
  element.InsertAttribute(x, nullptr);
  element.InsertAttribute(y, nullptr);
  element.InsertAttribute(z, x);
  EXPECT_EQ(element.GetAttributes(), (std::list<XMLAttributeObj*>{z, x, y}));
  element.RemoveAttribute(z);
  EXPECT_EQ(z->GetParent(), nullptr);
  EXPECT_EQ(element.GetAttributes(), (std::list<XMLAttributeObj*>{x, y}));
  delete z;
}

TEST(XMLElementNode, ChildrenAndAttributesAreSeparateListsOfOneElement) {
  int destroyed = 0;
  {
    XMLElementNode element(nullptr, u"e");
    auto* child = new XMLTextNode(nullptr, u"c");
    auto* node = new CountedAttribute(destroyed);
    element.InsertChild(child, nullptr);
    element.InsertChild(node, nullptr);
    // Listed as an attribute now, it leaves the children.
    element.InsertAttribute(node, nullptr);
    EXPECT_EQ(element.GetChildNodes(), (std::list<XMLBase*>{child}));
    EXPECT_EQ(element.GetAttributes(), (std::list<XMLAttributeObj*>{node}));
    // Removing it as a child, or standing before it as a child, finds no child.
    element.RemoveChild(node);
    EXPECT_EQ(node->GetParent(), &element);
    auto* later = new XMLTextNode(nullptr, u"l");
    element.InsertChild(later, node);
    EXPECT_EQ(element.GetChildNodes(), (std::list<XMLBase*>{child, later}));
    element.RemoveAttribute(node);
    EXPECT_TRUE(element.GetAttributes().empty());
    element.InsertChild(node, child);
    EXPECT_EQ(element.GetChildNodes(), (std::list<XMLBase*>{node, child, later}));
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(XMLElementNode, ReturnedListsAreCopiesThatShareTheNodes) {
  XMLElementNode element(nullptr, u"e");
  auto* child = new XMLTextNode(nullptr, u"t");
  element.InsertChild(child, nullptr);
  element.InsertAttribute(new XMLAttributeObj(nullptr, u"n", u"v"), nullptr);
  auto children = element.GetChildNodes();
  auto attributes = element.GetAttributes();
  children.clear();
  attributes.clear();
  EXPECT_EQ(element.GetChildNodes(), (std::list<XMLBase*>{child}));
  EXPECT_EQ(element.GetAttributes().size(), 1u);
}

TEST(XMLElementNode, DestructionDestroysEveryChildAndAttributeOnce) {
  int texts = 0;
  int attributes = 0;
  {
    XMLElementNode root(nullptr, u"r");
    auto* inner = new XMLElementNode(nullptr, u"i");
    root.InsertChild(inner, nullptr);
    root.InsertChild(new CountedText(texts), nullptr);
    inner->InsertChild(new CountedText(texts), nullptr);
    inner->InsertAttribute(new CountedAttribute(attributes), nullptr);
    root.InsertAttribute(new CountedAttribute(attributes), nullptr);
  }
  EXPECT_EQ(texts, 2);
  EXPECT_EQ(attributes, 2);
}

TEST(XMLElementNode, OtherNodesHaveNoChildrenAndIgnoreInsertion) {
  XMLTextNode text(nullptr, u"t");
  XMLTextNode stray(nullptr, u"s");
  text.InsertChild(&stray, nullptr);
  EXPECT_TRUE(text.GetChildNodes().empty());
  EXPECT_EQ(stray.GetParent(), nullptr);
}

TEST(XMLNodes, ReportTheirTypesAndKeepTheirStrings) {
  XMLElementNode element(nullptr, u"e");
  XMLDocument document(u"d");
  XMLTextNode text(nullptr, u"t");
  XMLAttributeObj attribute(nullptr, u"name", u"value");
  EXPECT_EQ(element.GetNodeType(), XMLElementType);
  EXPECT_EQ(document.GetNodeType(), XMLDocumentType);
  EXPECT_EQ(text.GetNodeType(), XMLTextType);
  EXPECT_EQ(attribute.GetNodeType(), XMLAttributeType);
  EXPECT_EQ(static_cast<int>(XMLDocumentType), 8);

  UTF16String changed = u"changed";
  UTF16String read;
  for (XMLBase* node : std::initializer_list<XMLBase*>{&element, &document, &text, &attribute}) {
    node->SetValue(changed);
    node->GetValue(read);
    EXPECT_EQ(read, u"changed");
  }
  attribute.GetAttributeName(read);
  EXPECT_EQ(read, u"name");
}

TEST(XMLBase, UnlockStopsAtZeroAndLocksCount) {
  XMLTextNode node(nullptr, u"t");
  node.Unlock();
  EXPECT_FALSE(node.IsLocked());
  node.Lock();
  EXPECT_TRUE(node.IsLocked());
  node.Unlock();
  node.Unlock();
  EXPECT_FALSE(node.IsLocked());
  node.Lock();
  node.Lock();
  node.Unlock();
  EXPECT_TRUE(node.IsLocked());
}

TEST(XMLBase, CopiesCarryParentAndLockCount) {
  XMLElementNode parent(nullptr, u"p");
  XMLTextNode original(&parent, u"t");
  original.Lock();
  XMLTextNode copy(original);
  EXPECT_EQ(copy.GetParent(), &parent);
  EXPECT_TRUE(copy.IsLocked());
  XMLTextNode assigned(nullptr, u"a");
  assigned = original;
  EXPECT_EQ(assigned.GetParent(), &parent);
  EXPECT_TRUE(assigned.IsLocked());
}

TEST(XMLBase, GetRootFollowsParentsToTheTopAndIsNullWithoutParent) {
  int destroyed = 0;
  ReleasableElement root(nullptr, u"r");
  auto* middle = new XMLElementNode(nullptr, u"m");
  auto* leaf = new CountedText(destroyed);
  root.InsertChild(middle, nullptr);
  middle->InsertChild(leaf, nullptr);
  EXPECT_EQ(leaf->GetRoot(), &root);
  EXPECT_EQ(root.GetRoot(), nullptr);
}

TEST(XMLDocument, StartsWithTheDefaults) {
  XMLDocument document(u"d");
  UTF16String text;
  document.GetXMLDecl(text);
  EXPECT_EQ(text, u"<?xml version='1.0'?>");
  document.GetDocTypeDecl(text);
  EXPECT_EQ(text, u"");
  EXPECT_FALSE(document.GetIgnoreWhitespace());
  EXPECT_FALSE(document.GetLoaded());
  EXPECT_EQ(document.GetParseStatus(), XMLParseOK);
  EXPECT_EQ(document.GetParent(), nullptr);
}

}  // namespace
