#include "arborix/XMLElementNode.h"

#include <memory>
#include <optional>
#include <typeinfo>
#include <utility>
#include <vector>

#include "arborix/XMLDocument.h"
#include "arborix/XMLTextNode.h"
#include "nodememory/NodeMemory.h"

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

XMLElementNode::XMLElementNode(arborix_internal::NodeText&& name) noexcept
    : XMLBase(nullptr), name_(std::move(name)) {}

XMLElementNode::~XMLElementNode() {
  // Each element's children are chained in right behind it before it is
  // deleted, so each delete below finds its element already empty and the
  // walk allocates nothing, which a destructor relies on. The nodes go in
  // document order, the order a parse made them in and so the order of
  // their addresses, which keeps the walk ahead of the cache misses.
  // The memory of a whole tree goes back to the system in one batch. Only the
  // top element takes it: every element below is emptied before its delete.
  std::optional<arborix_internal::NodeMemoryRelease> release;
  if (children_.first != nullptr) release.emplace();
  XMLBase* node = children_.first;
  children_ = {};
  while (node != nullptr) {
    XMLElementNode* element = DisposableElementOrNull(node);
    if (element != nullptr && element->children_.first != nullptr) {
      element->children_.last->next_ = node->next_;
      node->next_ = element->children_.first;
      element->children_ = {};
    }
    XMLBase* next = node->next_;
    delete node;
    node = next;
  }
  for (XMLBase* attribute = attributes_.first; attribute != nullptr;) {
    XMLBase* next = attribute->next_;
    delete attribute;
    attribute = next;
  }
}

XMLNodeType XMLElementNode::GetNodeType() { return XMLElementType; }

void XMLElementNode::SetValue(UTF16String& name) { name_ = arborix_internal::NodeText(name); }

void XMLElementNode::GetValue(UTF16String& name) const { name.assign(name_.View()); }

void XMLElementNode::AppendXML(UTF16String& out) {
  if (!AppendStartTag(out)) {
    return;
  }
  struct OpenElement {
    XMLElementNode* element;
    XMLBase* next;
  };
  std::vector<OpenElement> open{{this, children_.first}};
  while (!open.empty()) {
    OpenElement& innermost = open.back();
    if (innermost.next == nullptr) {
      innermost.element->AppendEndTag(out);
      open.pop_back();
      continue;
    }
    XMLBase* child = innermost.next;
    innermost.next = child->next_;
    XMLElementNode* element = PlainElementOrNull(child);
    if (element == nullptr) {
      child->AppendXML(out);
    } else if (element->AppendStartTag(out)) {
      open.push_back({element, element->children_.first});
    }
  }
}

XMLBase* XMLElementNode::Clone(bool deep) const {
  auto copy = std::unique_ptr<XMLElementNode>(new XMLElementNode(arborix_internal::NodeText(name_)));
  copy->CloneAttributesOf(*this);
  if (deep) {
    copy->CloneChildrenOf(*this);
  }
  return copy.release();
}

std::list<XMLBase*> XMLElementNode::GetChildNodes() const {
  std::list<XMLBase*> children;
  for (XMLBase* child = children_.first; child != nullptr; child = child->next_) children.push_back(child);
  return children;
}

void XMLElementNode::InsertChild(XMLBase* child, XMLBase* before) {
  if (IsSelfOrAncestor(child)) {
    return;
  }
  Place(false, child, before);
  child->SetParent(this);
}

void XMLElementNode::RemoveChild(XMLBase* child) { Remove(false, child); }

std::list<XMLAttributeObj*> XMLElementNode::GetAttributes() const {
  std::list<XMLAttributeObj*> attributes;
  for (XMLBase* attribute = attributes_.first; attribute != nullptr; attribute = attribute->next_) {
    attributes.push_back(static_cast<XMLAttributeObj*>(attribute));
  }
  return attributes;
}

void XMLElementNode::InsertAttribute(XMLAttributeObj* attribute, XMLAttributeObj* before) {
  Place(true, attribute, before);
  attribute->SetParent(this);
}

void XMLElementNode::RemoveAttribute(XMLAttributeObj* attribute) { Remove(true, attribute); }

void XMLElementNode::Place(bool attributes, XMLBase* node, const XMLBase* before) noexcept {
  // Taken out first, a node is no longer there to stand before: placed before
  // itself, it goes to the end.
  Unlist(node);
  NodeChain& chain = attributes ? attributes_ : children_;
  Link(chain, node, Find(chain, before));
  node->listedBy_ = this;
  node->listedAsAttribute_ = attributes;
}

void XMLElementNode::Remove(bool attributes, XMLBase* node) {
  if (node->listedBy_ != this || node->listedAsAttribute_ != attributes) {
    return;
  }
  Unlist(node);
  node->SetParent(nullptr);
}

void XMLElementNode::Unlist(XMLBase* node) noexcept {
  XMLElementNode* holder = node->listedBy_;
  if (holder == nullptr) {
    return;
  }
  Unlink(node->listedAsAttribute_ ? holder->attributes_ : holder->children_, node);
  node->listedBy_ = nullptr;
}

void XMLElementNode::Link(NodeChain& chain, XMLBase* node, XMLBase* before) noexcept {
  XMLBase* previous = before == nullptr ? chain.last : before->previous_;
  node->previous_ = previous;
  node->next_ = before;
  (previous == nullptr ? chain.first : previous->next_) = node;
  (before == nullptr ? chain.last : before->previous_) = node;
}

void XMLElementNode::Unlink(NodeChain& chain, XMLBase* node) noexcept {
  (node->previous_ == nullptr ? chain.first : node->previous_->next_) = node->next_;
  (node->next_ == nullptr ? chain.last : node->next_->previous_) = node->previous_;
  node->previous_ = nullptr;
  node->next_ = nullptr;
}

XMLBase* XMLElementNode::Find(const NodeChain& chain, const XMLBase* candidate) noexcept {
  if (candidate == nullptr) {
    return nullptr;
  }
  for (XMLBase* node = chain.first; node != nullptr; node = node->next_) {
    if (node == candidate) return node;
  }
  return nullptr;
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
  if (element == nullptr || element->children_.first == nullptr) {
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
  for (XMLBase* attribute = source.attributes_.first; attribute != nullptr; attribute = attribute->next_) {
    XMLBase* copy = attribute->Clone(true);
    Place(true, copy, nullptr);
    copy->SetParent(this);
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
    for (XMLBase* child = original->children_.first; child != nullptr; child = child->next_) {
      const XMLElementNode* element = PlainElementOrNull(child);
      if (element == nullptr) {
        copy->AdoptChild(child->Clone(true));
        continue;
      }
      auto* elementCopy = new XMLElementNode(arborix_internal::NodeText(element->name_));
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
    for (XMLBase* child = element->children_.first; child != nullptr; child = child->next_) {
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
  Place(false, child, nullptr);
  child->SetParent(this);
}

bool XMLElementNode::AppendStartTag(UTF16String& out) {
  if (name_.empty()) {
    // A nameless element writes nothing; a nameless document its children.
    return GetNodeType() == XMLDocumentType && children_.first != nullptr;
  }
  out += u'<';
  out += name_.View();
  for (XMLBase* attribute = attributes_.first; attribute != nullptr; attribute = attribute->next_) {
    out += u' ';
    attribute->AppendXML(out);
  }
  if (children_.first == nullptr) {
    out += u" />";
    return false;
  }
  out += u'>';
  return true;
}

void XMLElementNode::AppendEndTag(UTF16String& out) const {
  if (!name_.empty()) {
    out += u"</";
    out += name_.View();
    out += u'>';
  }
}
