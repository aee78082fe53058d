// A node's parent pointer can say anything: callers may set it and copy it.
// Which element lists a node, and how often, must not depend on it.
#include <gtest/gtest.h>

#include <list>
#include <memory>

#include "NodeProbes.h"

namespace {

TEST(StaleParent, ChildWhoseParentWasAssignedAwayIsListedOnceAndDestroyedOnce) {
  int destroyed = 0;
  {
    auto owner = std::make_unique<XMLElementNode>(nullptr, u"a");
    XMLElementNode elsewhere(nullptr, u"b");
    auto* child = new CountedText(destroyed);
    owner->InsertChild(child, nullptr);
    const XMLTextNode source(&elsewhere, u"s");
    static_cast<XMLBase&>(*child) = source;  // copies the other parent
    ASSERT_EQ(child->GetParent(), &elsewhere);
    owner->InsertChild(child, nullptr);
    EXPECT_EQ(owner->GetChildNodes(), (std::list<XMLBase*>{child}));
    EXPECT_EQ(child->GetParent(), owner.get());
  }
  EXPECT_EQ(destroyed, 1);
}

TEST(StaleParent, ChildWhoseParentWasSetAwayMovesWithinItsListWithoutACopy) {
  int destroyed = 0;
  {
    XMLElementNode owner(nullptr, u"a");
    auto* first = new CountedText(destroyed, u"1");
    auto* second = new CountedText(destroyed, u"2");
    owner.InsertChild(first, nullptr);
    owner.InsertChild(second, nullptr);
    second->SetParent(nullptr);
    owner.InsertChild(second, first);
    EXPECT_EQ(owner.GetChildNodes(), (std::list<XMLBase*>{second, first}));
    first->SetParent(nullptr);
    owner.InsertChild(first, nullptr);
    EXPECT_EQ(owner.GetChildNodes(), (std::list<XMLBase*>{second, first}));
  }
  EXPECT_EQ(destroyed, 2);
}

TEST(StaleParent, NodeListedByAnotherElementLeavesItWhateverItsParentSays) {
  int texts = 0;
  int attributes = 0;
  {
    XMLElementNode former(nullptr, u"a");
    XMLElementNode next(nullptr, u"b");
    auto* child = new CountedText(texts);
    auto* attribute = new CountedAttribute(attributes);
    former.InsertChild(child, nullptr);
    former.InsertAttribute(attribute, nullptr);
    child->SetParent(nullptr);
    attribute->SetParent(&next);
    next.InsertChild(child, nullptr);
    next.InsertAttribute(attribute, nullptr);
    EXPECT_TRUE(former.GetChildNodes().empty());
    EXPECT_TRUE(former.GetAttributes().empty());
    EXPECT_EQ(next.GetChildNodes(), (std::list<XMLBase*>{child}));
    EXPECT_EQ(next.GetAttributes(), (std::list<XMLAttributeObj*>{attribute}));
  }
  EXPECT_EQ(texts, 1);
  EXPECT_EQ(attributes, 1);
}

TEST(StaleParent, RemoveChildGoesByTheListNotByTheParentPointer) {
  XMLElementNode owner(nullptr, u"a");
  XMLElementNode claimed(nullptr, u"b");
  auto* child = new XMLTextNode(nullptr, u"t");
  owner.InsertChild(child, nullptr);
  child->SetParent(&claimed);
  claimed.RemoveChild(child);
  EXPECT_EQ(child->GetParent(), &claimed);
  owner.RemoveChild(child);
  EXPECT_TRUE(owner.GetChildNodes().empty());
  EXPECT_EQ(child->GetParent(), nullptr);
  delete child;
}

TEST(StaleParent, CopyOfAListedNodeIsListedNowhere) {
  int destroyed = 0;
  {
    XMLElementNode owner(nullptr, u"a");
    auto* child = new XMLTextNode(nullptr, u"t");
    owner.InsertChild(child, nullptr);
    auto* copy = new CountedText(destroyed);
    static_cast<XMLBase&>(*copy) = XMLTextNode(*child);
    ASSERT_EQ(copy->GetParent(), &owner);
    owner.InsertChild(copy, nullptr);
    owner.RemoveChild(child);
    delete child;
    EXPECT_EQ(owner.GetChildNodes(), (std::list<XMLBase*>{copy}));
  }
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
