#include "arborix/XMLElementNode.h"

#include <algorithm>
#include <memory>
#include <typeinfo>
#include <utility>
#include <vector>

#include "NodeMemory.h"
#include "arborix/XMLDocument.h"
#include "arborix/XMLTextNode.h"

using arborix_internal::NodeListMemory;

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

// Where a node goes that is to stand before `before`: the end when `before`
// is null or not listed.
template <class Node>
typename std::pmr::list<Node*>::iterator PositionBefore(std::pmr::list<Node*>& list, const Node* before) {
  return before == nullptr ? list.end() : std::find(list.begin(), list.end(), before);
}

}  // namespace

XMLElementNode::XMLElementNode(XMLElementNode* parent, const UTF16String& name)
    : XMLBase(parent), name_(name), children_(NodeListMemory()), attributes_(NodeListMemory()) {}

XMLElementNode::~XMLElementNode() {
  // Grandchildren are spliced onto the pending list before their element is
  // deleted, so each delete below finds its element already empty. Splicing
  // allocates nothing, which a destructor relies on.
  std::pmr::list<XMLBase*> pending(NodeListMemory());
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
    std::pmr::list<XMLBase*>::iterator next;
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

std::list<XMLBase*> XMLElementNode::GetChildNodes() const { return {children_.begin(), children_.end()}; }

void XMLElementNode::InsertChild(XMLBase* child, XMLBase* before) {
  if (IsSelfOrAncestor(child)) {
    return;
  }
  Place(children_, child, before);
  child->SetParent(this);
}

void XMLElementNode::RemoveChild(XMLBase* child) { Remove(children_, child); }

std::list<XMLAttributeObj*> XMLElementNode::GetAttributes() const {
  return {attributes_.begin(), attributes_.end()};
}

void XMLElementNode::InsertAttribute(XMLAttributeObj* attribute, XMLAttributeObj* before) {
  Place(attributes_, attribute, before);
  attribute->SetParent(this);
}

void XMLElementNode::RemoveAttribute(XMLAttributeObj* attribute) { Remove(attributes_, attribute); }

template <class Node>
void XMLElementNode::Place(std::pmr::list<Node*>& list, Node* node, const Node* before) {
  // Only a node that this element lists needs looking for, and it stands in
  // one of the two lists. Any other node is appended without a search: the
  // parser's case, which keeps building a wide element linear.
  const auto listed = node->listedBy_ == this ? std::find(list.begin(), list.end(), node) : list.end();
  if (listed != list.end()) {
    // Taken out first, a node is no longer there to stand before.
    list.splice(PositionBefore(list, before == node ? nullptr : before), list, listed);
    return;
  }
  std::pmr::list<Node*> entry({node}, NodeListMemory());  // the one allocation, made before anything changes
  Unlist(node);
  list.splice(PositionBefore(list, before), entry);
  node->listedBy_ = this;
}

template <class Node>
void XMLElementNode::Remove(std::pmr::list<Node*>& list, Node* node) {
  if (node->listedBy_ != this) {
    return;
  }
  const auto listed = std::find(list.begin(), list.end(), node);
  if (listed == list.end()) {
    return;  // it is in the other list
  }
  list.erase(listed);
  node->listedBy_ = nullptr;
  node->SetParent(nullptr);
}

void XMLElementNode::Unlist(XMLBase* node) noexcept {
  XMLElementNode* holder = node->listedBy_;
  if (holder == nullptr) {
    return;
  }
  const auto child = std::find(holder->children_.begin(), holder->children_.end(), node);
  if (child != holder->children_.end()) {
    holder->children_.erase(child);
  } else {
    holder->attributes_.remove_if([node](const XMLAttributeObj* attribute) { return attribute == node; });
  }
  node->listedBy_ = nullptr;
}

bool XMLElementNode::IsSelfOrAncestor(const XMLBase* node) const noexcept {
  if (node == this) {
    return true;
  }
  // A node without children is nobody's ancestor. That settles every new
  // node in O(1), so trees are built top down, however deep, in linear time.
  // The library's own classes are told apart by their exact type, which costs
  // far less than the cast a caller's derived class needs.
  const std::type_info& type = typeid(*node);
  if (type == typeid(XMLTextNode) || type == typeid(XMLAttributeObj)) {
    return false;
  }
  const auto* element = type == typeid(XMLElementNode) ? static_cast<const XMLElementNode*>(node)
                                                        : dynamic_cast<const XMLElementNode*>(node);
  if (element == nullptr || element->children_.empty()) {
    return false;
  }
  // The elements that list one another form a forest, because every
  // insertion asks this first, so the walk ends at a root.
  for (const XMLBase* ancestor = listedBy_; ancestor != nullptr; ancestor = ancestor->listedBy_) {
    if (ancestor == node) {
      return true;
    }
  }
  return false;
}

void XMLElementNode::CloneAttributesOf(const XMLElementNode& source) {
  for (XMLAttributeObj* attribute : source.attributes_) {
    std::unique_ptr<XMLAttributeObj> copy(static_cast<XMLAttributeObj*>(attribute->Clone(true)));
    attributes_.push_back(copy.get());
    copy->listedBy_ = this;
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
  child->listedBy_ = this;
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
