// Elements with tens of thousands of children or attributes, built the ways
// the parser and callers build them: every node listed once, in order.
#include <gtest/gtest.h>

#include <list>
#include <string>

#include "NodeProbes.h"

namespace {

constexpr int kWidth = 20000;

UTF16String Number(int value) {
  const std::string digits = std::to_string(value);
  return UTF16String(digits.begin(), digits.end());
}

TEST(WideElement, CreatedTextChildrenAreListedOnceInOrder) {
  XMLElementNode element(nullptr, u"e");
  for (int i = 0; i < kWidth; ++i) {
    XMLBase* node = nullptr;
    ASSERT_TRUE(CreateNode(Number(i), &element, XMLTextType, &node));
  }
  const std::list<XMLBase*> children = element.GetChildNodes();
  ASSERT_EQ(children.size(), static_cast<std::size_t>(kWidth));
  int expected = 0;
  UTF16String value;
  for (XMLBase* child : children) {
    child->GetValue(value);
    EXPECT_EQ(value, Number(expected++));
    EXPECT_EQ(child->GetParent(), &element);
  }
}

TEST(WideElement, ListedNodesStillMoveAndLeaveOnce) {
  XMLElementNode element(nullptr, u"e");
  for (int i = 0; i < kWidth; ++i) {
    XMLBase* node = nullptr;
    ASSERT_TRUE(CreateNode(Number(i), &element, XMLAttributeType, &node));
  }
  std::list<XMLAttributeObj*> attributes = element.GetAttributes();
  XMLAttributeObj* first = attributes.front();
  XMLAttributeObj* middle = *std::next(attributes.begin(), kWidth / 2);
  element.InsertAttribute(first, nullptr);
  element.InsertAttribute(middle, first);
  element.RemoveAttribute(attributes.back());
  delete attributes.back();
  attributes = element.GetAttributes();
  ASSERT_EQ(attributes.size(), static_cast<std::size_t>(kWidth - 1));
  EXPECT_EQ(*std::prev(attributes.end(), 2), middle);
  EXPECT_EQ(attributes.back(), first);
  UTF16String name;
  attributes.front()->GetAttributeName(name);
  EXPECT_EQ(name, u"1");
}

TEST(WideElement, NodesMadeUnderTheirParentAreAppendedOnce) {
  XMLElementNode element(nullptr, u"e");
  for (int i = 0; i < kWidth; ++i) {
    element.InsertChild(new XMLElementNode(&element, Number(i)), nullptr);
    element.InsertAttribute(new XMLAttributeObj(&element, Number(i), u"v"), nullptr);
  }
  EXPECT_EQ(element.GetChildNodes().size(), static_cast<std::size_t>(kWidth));
  EXPECT_EQ(element.GetAttributes().size(), static_cast<std::size_t>(kWidth));
}

}  // namespace
