#include <gtest/gtest.h>

#include "NodeProbes.h"

namespace {

XMLElementNode* AddElement(XMLElementNode& parent, const UTF16String& name) {
  auto* element = new XMLElementNode(&parent, name);
  parent.InsertChild(element, nullptr);
  return element;
}

void AddText(XMLElementNode& parent, const UTF16String& text) {
  parent.InsertChild(new XMLTextNode(&parent, text), nullptr);
}

void AddAttribute(XMLElementNode& element, const UTF16String& name, const UTF16String& value) {
  element.InsertAttribute(new XMLAttributeObj(&element, name, value), nullptr);
}

TEST(AppendXML, ChildlessElementClosesItselfAfterItsAttributes) {
  XMLElementNode element(nullptr, u"a");
  AddAttribute(element, u"x", u"y");
  EXPECT_EQ(XMLOf(element), u"<a x=\"y\" />");
  AddAttribute(element, u"z", u"w");
  EXPECT_EQ(XMLOf(element), u"<a x=\"y\" z=\"w\" />");
}

TEST(AppendXML, ElementWithChildrenWritesThemBetweenItsTags) {
  XMLElementNode element(nullptr, u"a");
  AddAttribute(element, u"x", u"y");
  AddText(element, u"t");
  EXPECT_EQ(XMLOf(element), u"<a x=\"y\">t</a>");
  XMLElementNode* inner = AddElement(element, u"b");
  AddText(*inner, u"u");
  AddElement(element, u"c");
  EXPECT_EQ(XMLOf(element), u"<a x=\"y\">t<b>u</b><c /></a>");
}

TEST(AppendXML, NewDocumentWritesItsDeclarationThenTheRootWithoutLineBreak) {
  XMLDocument document(u"r");
  EXPECT_EQ(XMLOf(document), u"<?xml version='1.0'?><r />");
  UTF16String doctype = u"<!DOCTYPE r>";
  document.SetDocTypeDecl(doctype);
  UTF16String noDeclaration;
  document.SetXMLDecl(noDeclaration);
  EXPECT_EQ(XMLOf(document), u"<!DOCTYPE r><r />");
}

TEST(AppendXML, NamelessElementWritesNothingEvenWithChildren) {
  XMLElementNode root(nullptr, u"root");
  XMLElementNode* nameless = AddElement(root, u"");
  AddText(*nameless, u"lost");
  AddAttribute(*nameless, u"x", u"y");
  AddText(root, u"kept");
  EXPECT_EQ(XMLOf(*nameless), u"");
  EXPECT_EQ(XMLOf(root), u"<root>kept</root>");
}

TEST(AppendXML, NamelessDocumentWritesItsDeclarationsAndChildrenOnly) {
  XMLDocument document(u"");
  AddAttribute(document, u"x", u"y");
  AddText(document, u"t");
  AddElement(document, u"e");
  EXPECT_EQ(XMLOf(document), u"<?xml version='1.0'?>t<e />");
}

TEST(AppendXML, ValuesAreWrittenExactlyAsStored) {
  XMLElementNode element(nullptr, u"a");
  AddAttribute(element, u"q", u"\"&<");
  AddText(element, u"x < y & \"z\"\n");
  EXPECT_EQ(XMLOf(element), u"<a q=\"\"&<\">x < y & \"z\"\n</a>");
}

TEST(AppendXML, DocumentBelowAnElementWritesItsDeclarationInPlace) {
  XMLElementNode root(nullptr, u"a");
  auto* document = new XMLDocument(u"d");
  root.InsertChild(document, nullptr);
  AddText(*document, u"t");
  EXPECT_EQ(XMLOf(root), u"<a><?xml version='1.0'?><d>t</d></a>");
}

// A caller's element class keeps its own text form inside a tree.
class ShoutingElement : public XMLElementNode {
 public:
  using XMLElementNode::XMLElementNode;
  void AppendXML(UTF16String& out) override { out += u"!"; }
};

TEST(AppendXML, DerivedNodeClassesKeepTheirOwnFormBelowAnElement) {
  XMLElementNode root(nullptr, u"a");
  auto* derived = new ShoutingElement(&root, u"b");
  root.InsertChild(derived, nullptr);
  AddText(*derived, u"hidden");
  EXPECT_EQ(XMLOf(root), u"<a>!</a>");
}

}  // namespace
