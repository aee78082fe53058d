#include "arborix/XMLElementNode.h"

#include <algorithm>
#include <memory>
#include <typeinfo>
#include <utility>
#include <vector>

#include "arborix/XMLDocument.h"

namespace {

// Destruction, Clone and AppendXML walk the tree with explicit work lists so
// that depth costs heap, not stack. They step into nodes of exactly the
// library's own element classes; any other class, including a caller's class
// derived from an element, is reached through its own virtual operations.

XMLElementNode* PlainElementOrNull(XMLBase* node) {
  return typeid(*node) == typeid(XMLElementNode) ? static_cast<XMLElementNode*>(node) : nullptr;
}

// A document's destructor does nothing beyond an element's with its children,
// so documents below an element are emptied the same way.
XMLElementNode* DisposableElementOrNull(XMLBase* node) {
  const std::type_info& type = typeid(*node);
  return type == typeid(XMLElementNode) || type == typeid(XMLDocument) ? static_cast<XMLElementNode*>(node) : nullptr;
}

}  // namespace

XMLElementNode::XMLElementNode(XMLElementNode* parent, const UTF16String& name) : XMLBase(parent), name_(name) {}

XMLElementNode::~XMLElementNode() {
  // Grandchildren are spliced onto the pending list before their element is
  // deleted, so each delete below finds its element already empty. Splicing
  // allocates nothing, which a destructor relies on.
  std::list<XMLBase*> pending;
  pending.splice(pending.end(), children_);
  while (!pending.empty()) {
    XMLBase* node = pending.front();
    pending.pop_front();
    if (XMLElementNode* element = DisposableElementOrNull(node)) {
      pending.splice(pending.end(), element->children_);
    }
    delete node;
  }
  for (XMLAttributeObj* attribute : attributes_) {
    delete attribute;
  }
}

XMLNodeType XMLElementNode::GetNodeType() { return XMLElementType; }

void XMLElementNode::SetValue(UTF16String& name) { name_ = name; }

void XMLElementNode::GetValue(UTF16String& name) const { name = name_; }

void XMLElementNode::AppendXML(UTF16String& out) {
  if (!AppendStartTag(out)) {
    return;
  }
  struct OpenElement {
    XMLElementNode* element;
    std::list<XMLBase*>::iterator next;
  };
  std::vector<OpenElement> open{{this, children_.begin()}};
  while (!open.empty()) {
    OpenElement& innermost = open.back();
    if (innermost.next == innermost.element->children_.end()) {
      innermost.element->AppendEndTag(out);
      open.pop_back();
      continue;
    }
    XMLBase* child = *innermost.next++;
    XMLElementNode* element = PlainElementOrNull(child);
    if (element == nullptr) {
      child->AppendXML(out);
    } else if (element->AppendStartTag(out)) {
      open.push_back({element, element->children_.begin()});
    }
  }
}

XMLBase* XMLElementNode::Clone(bool deep) const {
  auto copy = std::make_unique<XMLElementNode>(nullptr, name_);
  copy->CloneAttributesOf(*this);
  if (deep) {
    copy->CloneChildrenOf(*this);
  }
  return copy.release();
}

std::list<XMLBase*> XMLElementNode::GetChildNodes() const { return children_; }

void XMLElementNode::InsertChild(XMLBase* child, XMLBase* before) {
  // Two lists owning one node would destroy it twice.
  XMLBase* former = child->GetParent();
  if (former != nullptr && former != this) {
    former->RemoveChild(child);
  }
  // Every node this element lists has this element as its parent: insertion
  // sets it and removal clears it after unlisting. A node with another
  // parent (or none) is therefore not listed here, and appending it needs no
  // search, which keeps building a wide element linear.
  if (former != this && before == nullptr) {
    children_.push_back(child);
    child->SetParent(this);
    return;
  }
  children_.remove(child);
  auto position = before == nullptr ? children_.end() : std::find(children_.begin(), children_.end(), before);
  children_.insert(position, child);
  child->SetParent(this);
}

void XMLElementNode::RemoveChild(XMLBase* child) {
  if (std::find(children_.begin(), children_.end(), child) == children_.end()) {
    return;
  }
  children_.remove(child);
  child->SetParent(nullptr);
}

std::list<XMLAttributeObj*> XMLElementNode::GetAttributes() const { return attributes_; }

void XMLElementNode::InsertAttribute(XMLAttributeObj* attribute, XMLAttributeObj* before) {
  XMLBase* former = attribute->GetParent();
  if (former != nullptr && former != this) {
    if (auto* formerElement = dynamic_cast<XMLElementNode*>(former)) {
      formerElement->RemoveAttribute(attribute);
    }
  }
  attributes_.remove(attribute);
  auto position =
      before == nullptr ? attributes_.end() : std::find(attributes_.begin(), attributes_.end(), before);
  attributes_.insert(position, attribute);
  attribute->SetParent(this);
}

void XMLElementNode::RemoveAttribute(XMLAttributeObj* attribute) {
  if (std::find(attributes_.begin(), attributes_.end(), attribute) == attributes_.end()) {
    return;
  }
  attributes_.remove(attribute);
  attribute->SetParent(nullptr);
}

void XMLElementNode::CloneAttributesOf(const XMLElementNode& source) {
  for (XMLAttributeObj* attribute : source.attributes_) {
    std::unique_ptr<XMLAttributeObj> copy(static_cast<XMLAttributeObj*>(attribute->Clone(true)));
    attributes_.push_back(copy.get());
    copy.release()->SetParent(this);
  }
}

void XMLElementNode::CloneChildrenOf(const XMLElementNode& source) {
  // Each pair is an original element and its copy, whose children are still
  // to be made. Every copy is listed in its parent before it is filled, so
  // an allocation failure leaves nothing unowned.
  std::vector<std::pair<const XMLElementNode*, XMLElementNode*>> pending{{&source, this}};
  while (!pending.empty()) {
    auto [original, copy] = pending.back();
    pending.pop_back();
    for (XMLBase* child : original->children_) {
      const XMLElementNode* element = PlainElementOrNull(child);
      if (element == nullptr) {
        copy->AdoptChild(child->Clone(true));
        continue;
      }
      auto* elementCopy = new XMLElementNode(nullptr, element->name_);
      copy->AdoptChild(elementCopy);
      elementCopy->CloneAttributesOf(*element);
      pending.emplace_back(element, elementCopy);
    }
  }
}

bool XMLElementNode::HasLockedDescendant() const {
  std::vector<const XMLElementNode*> pending{this};
  while (!pending.empty()) {
    const XMLElementNode* element = pending.back();
    pending.pop_back();
    for (XMLBase* child : element->children_) {
      if (child->IsLocked()) {
        return true;
      }
      if (const auto* childElement = dynamic_cast<const XMLElementNode*>(child)) {
        pending.push_back(childElement);
      }
    }
  }
  return false;
}

void XMLElementNode::AdoptChild(XMLBase* child) {
  std::unique_ptr<XMLBase> owned(child);
  children_.push_back(child);
  owned.release()->SetParent(this);
}

bool XMLElementNode::AppendStartTag(UTF16String& out) {
  if (name_.empty()) {
    // A nameless element writes nothing; a nameless document its children.
    return GetNodeType() == XMLDocumentType && !children_.empty();
  }
  out += u'<';
  out += name_;
  for (XMLAttributeObj* attribute : attributes_) {
    out += u' ';
    attribute->AppendXML(out);
  }
  if (children_.empty()) {
    out += u" />";
    return false;
  }
  out += u'>';
  return true;
}

void XMLElementNode::AppendEndTag(UTF16String& out) const {
  if (!name_.empty()) {
    out += u"</";
    out += name_;
    out += u'>';
  }
}
