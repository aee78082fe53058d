#include "arborix/CreateNode.h"

#include <memory>

#include "arborix/XMLAttributeObj.h"
#include "arborix/XMLDocument.h"
#include "arborix/XMLTextNode.h"

bool CreateNode(const UTF16String& text, XMLElementNode* parent, XMLNodeType type, XMLBase** out) {
  if (out == nullptr) {
    return false;
  }
  *out = nullptr;
  switch (type) {
    case XMLDocumentType:
      *out = new XMLDocument(text);
      return true;
    case XMLTextType:
    case XMLElementType:
    case XMLAttributeType:
      break;
    default:
      return true;
  }
  // A node made without a parent to take it would be owned by nobody.
  if (parent == nullptr) {
    return false;
  }
  if (type == XMLAttributeType) {
    auto attribute = std::make_unique<XMLAttributeObj>(parent, text, UTF16String());
    parent->InsertAttribute(attribute.get(), nullptr);
    *out = attribute.release();
    return true;
  }
  std::unique_ptr<XMLBase> node;
  if (type == XMLTextType) {
    node = std::make_unique<XMLTextNode>(parent, text);
  } else {
    node = std::make_unique<XMLElementNode>(parent, text);
  }
  parent->InsertChild(node.get(), nullptr);
  *out = node.release();
  return true;
}
