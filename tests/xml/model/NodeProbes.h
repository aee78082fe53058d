// Node classes for tests: they count their destructions and open up the
// protected parts of the model (GetRoot, Release).
#pragma once

#include "Arborix.h"

// Text node that adds one to a counter when it is destroyed.
class CountedText : public XMLTextNode {
 public:
  CountedText(int& destroyed, const UTF16String& value = u"t") : XMLTextNode(nullptr, value), destroyed_(destroyed) {}
  ~CountedText() override { ++destroyed_; }
  using XMLBase::GetRoot;
  using XMLBase::Release;

 private:
  int& destroyed_;
};

class CountedAttribute : public XMLAttributeObj {
 public:
  explicit CountedAttribute(int& destroyed) : XMLAttributeObj(nullptr, u"n", u"v"), destroyed_(destroyed) {}
  ~CountedAttribute() override { ++destroyed_; }

 private:
  int& destroyed_;
};

class ReleasableElement : public XMLElementNode {
 public:
  using XMLElementNode::XMLElementNode;
  using XMLBase::GetRoot;
  using XMLBase::Release;
};

class ReleasableDocument : public XMLDocument {
 public:
  ReleasableDocument(const UTF16String& name, int& destroyed) : XMLDocument(name), destroyed_(destroyed) {}
  ~ReleasableDocument() override { ++destroyed_; }
  using XMLDocument::Release;

 private:
  int& destroyed_;
};

inline UTF16String XMLOf(XMLBase& node) {
  UTF16String out;
  node.AppendXML(out);
  return out;
}
