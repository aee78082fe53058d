#include <gtest/gtest.h>

#include <list>
#include <memory>

#include "Arborix.h"

namespace {

TEST(CreateNode, NullOutputMakesNothingAndFails) {
  XMLElementNode parent(nullptr, u"p");
  EXPECT_FALSE(CreateNode(u"x", &parent, XMLElementType, nullptr));
  EXPECT_TRUE(parent.GetChildNodes().empty());
}

TEST(CreateNode, UnknownTypeStoresNullAndSucceeds) {
  XMLElementNode parent(nullptr, u"p");
  for (int type : {3, -1, 7, 9}) {
    XMLBase* out = &parent;
    EXPECT_TRUE(CreateNode(u"x", &parent, static_cast<XMLNodeType>(type), &out));
    EXPECT_EQ(out, nullptr);
  }
  EXPECT_TRUE(parent.GetChildNodes().empty());
}

TEST(CreateNode, ElementsAndTextsAreAppendedToTheParent) {
  XMLElementNode parent(nullptr, u"p");
  XMLBase* element = nullptr;
  XMLBase* text = nullptr;
  ASSERT_TRUE(CreateNode(u"e", &parent, XMLElementType, &element));
  ASSERT_TRUE(CreateNode(u"t", &parent, XMLTextType, &text));
  EXPECT_EQ(parent.GetChildNodes(), (std::list<XMLBase*>{element, text}));
  EXPECT_EQ(element->GetNodeType(), XMLElementType);
  EXPECT_EQ(text->GetNodeType(), XMLTextType);
  EXPECT_EQ(text->GetParent(), &parent);
  UTF16String out;
  parent.AppendXML(out);
  EXPECT_EQ(out, u"<p><e />t</p>");
}

TEST(CreateNode, AttributeIsNamedByTheTextAndHasAnEmptyValue) {
  XMLElementNode parent(nullptr, u"p");
  XMLBase* attribute = nullptr;
  ASSERT_TRUE(CreateNode(u"n", &parent, XMLAttributeType, &attribute));
  ASSERT_EQ(parent.GetAttributes().size(), 1u);
  EXPECT_EQ(parent.GetAttributes().front(), attribute);
  UTF16String value = u"unchanged";
  attribute->GetValue(value);
  EXPECT_EQ(value, u"");
  UTF16String out;
  parent.AppendXML(out);
  EXPECT_EQ(out, u"<p n=\"\" />");
}

TEST(CreateNode, DocumentIgnoresTheParentAndBelongsToTheCaller) {
  XMLElementNode parent(nullptr, u"p");
  XMLBase* out = nullptr;
  ASSERT_TRUE(CreateNode(u"d", &parent, XMLDocumentType, &out));
  std::unique_ptr<XMLBase> document(out);
  EXPECT_EQ(document->GetNodeType(), XMLDocumentType);
  EXPECT_EQ(document->GetParent(), nullptr);
  EXPECT_TRUE(parent.GetChildNodes().empty());
  ASSERT_TRUE(CreateNode(u"d2", nullptr, XMLDocumentType, &out));
  delete out;
}

TEST(CreateNode, ElementTextOrAttributeWithoutParentIsRefused) {
  XMLTextNode earlier(nullptr, u"earlier");
  for (XMLNodeType type : {XMLElementType, XMLTextType, XMLAttributeType}) {
    XMLBase* stale = &earlier;
    EXPECT_FALSE(CreateNode(u"x", nullptr, type, &stale));
    EXPECT_EQ(stale, nullptr);
  }
}

}  // namespace
