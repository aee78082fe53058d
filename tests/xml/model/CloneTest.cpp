#include <gtest/gtest.h>

#include <memory>

#include "NodeProbes.h"

namespace {

// <a x="1"><b y="2">t</b>u</a> below a parent element.
struct SampleTree {
  XMLElementNode parent{nullptr, u"parent"};
  XMLElementNode* a = new XMLElementNode(&parent, u"a");
  SampleTree() {
    parent.InsertChild(a, nullptr);
    a->InsertAttribute(new XMLAttributeObj(a, u"x", u"1"), nullptr);
    auto* b = new XMLElementNode(a, u"b");
    a->InsertChild(b, nullptr);
    b->InsertAttribute(new XMLAttributeObj(b, u"y", u"2"), nullptr);
    b->InsertChild(new XMLTextNode(b, u"t"), nullptr);
    a->InsertChild(new XMLTextNode(a, u"u"), nullptr);
  }
};

TEST(Clone, ShallowElementCopyHasTheAttributesButNoChildren) {
  SampleTree tree;
  std::unique_ptr<XMLBase> copy(tree.a->Clone(false));
  EXPECT_EQ(copy->GetParent(), nullptr);
  EXPECT_EQ(XMLOf(*copy), u"<a x=\"1\" />");
  auto* element = static_cast<XMLElementNode*>(copy.get());
  ASSERT_EQ(element->GetAttributes().size(), 1u);
  EXPECT_EQ(element->GetAttributes().front()->GetParent(), element);
  EXPECT_NE(element->GetAttributes().front(), tree.a->GetAttributes().front());
}

TEST(Clone, DeepElementCopyIsAnIndependentTreeWithTheSameText) {
  SampleTree tree;
  std::unique_ptr<XMLBase> copy(tree.a->Clone(true));
  EXPECT_EQ(copy->GetParent(), nullptr);
  EXPECT_EQ(XMLOf(*copy), XMLOf(*tree.a));
  for (XMLBase* child : copy->GetChildNodes()) {
    EXPECT_EQ(child->GetParent(), copy.get());
  }
  UTF16String changed = u"changed";
  copy->GetChildNodes().back()->SetValue(changed);
  EXPECT_EQ(XMLOf(*tree.a), u"<a x=\"1\"><b y=\"2\">t</b>u</a>");
  EXPECT_EQ(XMLOf(*copy), u"<a x=\"1\"><b y=\"2\">t</b>changed</a>");
}

TEST(Clone, DocumentCopyKeepsDeclarationsButNotAttributesOrFlags) {
  XMLDocument document(u"d");
  UTF16String declaration = u"<?xml version='1.0' encoding='UTF-8'?>";
  UTF16String doctype = u"<!DOCTYPE d>";
  document.SetXMLDecl(declaration);
  document.SetDocTypeDecl(doctype);
  document.SetLoaded(true);
  document.SetIgnoreWhitespace(true);
  document.SetParseStatus(XMLParseFailed);
  document.InsertAttribute(new XMLAttributeObj(&document, u"x", u"1"), nullptr);
  document.InsertChild(new XMLTextNode(&document, u"t"), nullptr);

  std::unique_ptr<XMLBase> deep(document.Clone(true));
  ASSERT_EQ(deep->GetNodeType(), XMLDocumentType);
  auto& copy = static_cast<XMLDocument&>(*deep);
  EXPECT_EQ(XMLOf(copy), u"<?xml version='1.0' encoding='UTF-8'?><!DOCTYPE d><d>t</d>");
  EXPECT_TRUE(copy.GetAttributes().empty());
  EXPECT_FALSE(copy.GetLoaded());
  EXPECT_FALSE(copy.GetIgnoreWhitespace());
  EXPECT_EQ(copy.GetParseStatus(), XMLParseOK);

  std::unique_ptr<XMLBase> shallow(document.Clone(false));
  EXPECT_EQ(XMLOf(*shallow), u"<?xml version='1.0' encoding='UTF-8'?><!DOCTYPE d><d />");
}

}  // namespace
