#include "arborix/XMLElementNode.h"

#include <memory>
#include <optional>
#include <typeinfo>
#include <utility>
#include <vector>

#include "arborix/XMLDocument.h"
#include "arborix/XMLTextNode.h"
#include "model/ElementTree.h"
#include "nodememory/NodeMemory.h"

namespace arborix_internal {

// The private parts of nodes that the operations below work on: where a node
// is listed and its neighbours there, and an element's name and two lists.
struct NodeLinks {
  using Chain = XMLElementNode::NodeChain;

  static XMLBase*& Next(XMLBase* node) { return node->next_; }
  static XMLBase* Next(const XMLBase* node) { return node->next_; }
  static XMLBase*& Previous(XMLBase* node) { return node->previous_; }
  static XMLElementNode*& ListedBy(XMLBase* node) { return node->listedBy_; }
  static const XMLElementNode* ListedBy(const XMLBase* node) { return node->listedBy_; }
  static bool& ListedAsAttribute(XMLBase* node) { return node->listedAsAttribute_; }
  static Chain& Children(XMLElementNode* element) { return element->children_; }
  static const Chain& Children(const XMLElementNode* element) { return element->children_; }
  static Chain& Attributes(XMLElementNode* element) { return element->attributes_; }
  static const Chain& Attributes(const XMLElementNode* element) { return element->attributes_; }
  static const NodeText& Name(const XMLElementNode* element) { return element->name_; }
  // A detached element with a copy of `source`'s name and nothing listed.
  static XMLElementNode* NewElementNamedAs(const XMLElementNode* source) {
    return new XMLElementNode(NodeText(source->name_));
  }
};

namespace {

using Chain = NodeLinks::Chain;

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

// Links `node` into `chain` right before `before`, or at its end when
// `before` is null; `before` must be in `chain`.
void Link(Chain& chain, XMLBase* node, XMLBase* before) noexcept {
  XMLBase* previous = before == nullptr ? chain.last : NodeLinks::Previous(before);
  NodeLinks::Previous(node) = previous;
  NodeLinks::Next(node) = before;
  (previous == nullptr ? chain.first : NodeLinks::Next(previous)) = node;
  (before == nullptr ? chain.last : NodeLinks::Previous(before)) = node;
}

void Unlink(Chain& chain, XMLBase* node) noexcept {
  XMLBase*& previous = NodeLinks::Previous(node);
  XMLBase*& next = NodeLinks::Next(node);
  (previous == nullptr ? chain.first : NodeLinks::Next(previous)) = next;
  (next == nullptr ? chain.last : NodeLinks::Previous(next)) = previous;
  previous = nullptr;
  next = nullptr;
}

// `candidate` when it stands in `chain`, else null. Compares addresses only:
// a pointer that is no node at all is never read.
XMLBase* Find(const Chain& chain, const XMLBase* candidate) noexcept {
  if (candidate == nullptr) {
    return nullptr;
  }
  for (XMLBase* node = chain.first; node != nullptr; node = NodeLinks::Next(node)) {
    if (node == candidate) return node;
  }
  return nullptr;
}

// Moves `node` right before `before` in the children or the attributes list
// of `element`, or to its end, listing it there if it is not there yet.
void Place(XMLElementNode& element, bool attributes, XMLBase* node, const XMLBase* before) noexcept {
  // Taken out first, a node is no longer there to stand before: placed before
  // itself, it goes to the end.
  Unlist(*node);
  Chain& chain = attributes ? NodeLinks::Attributes(&element) : NodeLinks::Children(&element);
  Link(chain, node, Find(chain, before));
  NodeLinks::ListedBy(node) = &element;
  NodeLinks::ListedAsAttribute(node) = attributes;
}

// Takes `node` out of the list and detaches it, if `element` lists it there.
void Remove(XMLElementNode& element, bool attributes, XMLBase* node) {
  if (NodeLinks::ListedBy(node) != &element || NodeLinks::ListedAsAttribute(node) != attributes) {
    return;
  }
  Unlist(*node);
  node->SetParent(nullptr);
}

// True when `node` is `element` or an element that lists it, directly or
// further up.
bool IsSelfOrAncestor(const XMLElementNode& element, const XMLBase* node) noexcept {
  if (node == &element) {
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
  const auto* candidate = type == typeid(XMLElementNode) ? static_cast<const XMLElementNode*>(node)
                                                          : dynamic_cast<const XMLElementNode*>(node);
  if (candidate == nullptr || NodeLinks::Children(candidate).first == nullptr) {
    return false;
  }
  // The elements that list one another form a forest, because every
  // insertion asks this first, so the walk ends at a root.
  for (const XMLBase* ancestor = NodeLinks::ListedBy(&element); ancestor != nullptr;
       ancestor = NodeLinks::ListedBy(ancestor)) {
    if (ancestor == node) {
      return true;
    }
  }
  return false;
}

// Appends copies of the attributes of `source` to the attributes of `copy`.
void CloneAttributes(const XMLElementNode& source, XMLElementNode& copy) {
  for (XMLBase* attribute = NodeLinks::Attributes(&source).first; attribute != nullptr;
       attribute = NodeLinks::Next(attribute)) {
    XMLBase* attributeCopy = attribute->Clone(true);
    Place(copy, true, attributeCopy, nullptr);
    attributeCopy->SetParent(&copy);
  }
}

// Writes the start tag of `element`; true when the children and an end tag follow.
bool AppendStartTag(XMLElementNode& element, UTF16String& out) {
  const NodeText& name = NodeLinks::Name(&element);
  const Chain& children = NodeLinks::Children(&element);
  if (name.empty()) {
    // A nameless element writes nothing; a nameless document its children.
    return element.GetNodeType() == XMLDocumentType && children.first != nullptr;
  }
  out += u'<';
  out += name.View();
  for (XMLBase* attribute = NodeLinks::Attributes(&element).first; attribute != nullptr;
       attribute = NodeLinks::Next(attribute)) {
    out += u' ';
    attribute->AppendXML(out);
  }
  if (children.first == nullptr) {
    out += u" />";
    return false;
  }
  out += u'>';
  return true;
}

void AppendEndTag(const XMLElementNode& element, UTF16String& out) {
  const NodeText& name = NodeLinks::Name(&element);
  if (!name.empty()) {
    out += u"</";
    out += name.View();
    out += u'>';
  }
}

}  // namespace

void AdoptChild(XMLElementNode& element, XMLBase* child) {
  Place(element, false, child, nullptr);
  child->SetParent(&element);
}

void CloneChildren(const XMLElementNode& source, XMLElementNode& copy) {
  // Each pair is an original element and its copy, whose children are still
  // to be made. Every copy is listed in its parent before it is filled, so
  // an allocation failure leaves nothing unowned.
  std::vector<std::pair<const XMLElementNode*, XMLElementNode*>> pending{{&source, &copy}};
  while (!pending.empty()) {
    auto [original, parentCopy] = pending.back();
    pending.pop_back();
    for (XMLBase* child = NodeLinks::Children(original).first; child != nullptr; child = NodeLinks::Next(child)) {
      const XMLElementNode* element = PlainElementOrNull(child);
      if (element == nullptr) {
        AdoptChild(*parentCopy, child->Clone(true));
        continue;
      }
      XMLElementNode* elementCopy = NodeLinks::NewElementNamedAs(element);
      AdoptChild(*parentCopy, elementCopy);
      CloneAttributes(*element, *elementCopy);
      pending.emplace_back(element, elementCopy);
    }
  }
}

bool HasLockedDescendant(const XMLElementNode& element) {
  std::vector<const XMLElementNode*> pending{&element};
  while (!pending.empty()) {
    const XMLElementNode* next = pending.back();
    pending.pop_back();
    for (XMLBase* child = NodeLinks::Children(next).first; child != nullptr; child = NodeLinks::Next(child)) {
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

void Unlist(XMLBase& node) noexcept {
  XMLElementNode* holder = NodeLinks::ListedBy(&node);
  if (holder == nullptr) {
    return;
  }
  Unlink(NodeLinks::ListedAsAttribute(&node) ? NodeLinks::Attributes(holder) : NodeLinks::Children(holder), &node);
  NodeLinks::ListedBy(&node) = nullptr;
}

}  // namespace arborix_internal

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
    XMLElementNode* element = arborix_internal::DisposableElementOrNull(node);
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
  if (!arborix_internal::AppendStartTag(*this, out)) {
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
      arborix_internal::AppendEndTag(*innermost.element, out);
      open.pop_back();
      continue;
    }
    XMLBase* child = innermost.next;
    innermost.next = child->next_;
    XMLElementNode* element = arborix_internal::PlainElementOrNull(child);
    if (element == nullptr) {
      child->AppendXML(out);
    } else if (arborix_internal::AppendStartTag(*element, out)) {
      open.push_back({element, element->children_.first});
    }
  }
}

XMLBase* XMLElementNode::Clone(bool deep) const {
  auto copy = std::unique_ptr<XMLElementNode>(new XMLElementNode(arborix_internal::NodeText(name_)));
  arborix_internal::CloneAttributes(*this, *copy);
  if (deep) {
    arborix_internal::CloneChildren(*this, *copy);
  }
  return copy.release();
}

std::list<XMLBase*> XMLElementNode::GetChildNodes() const {
  std::list<XMLBase*> children;
  for (XMLBase* child = children_.first; child != nullptr; child = child->next_) children.push_back(child);
  return children;
}

void XMLElementNode::InsertChild(XMLBase* child, XMLBase* before) {
  if (arborix_internal::IsSelfOrAncestor(*this, child)) {
    return;
  }
  arborix_internal::Place(*this, false, child, before);
  child->SetParent(this);
}

void XMLElementNode::RemoveChild(XMLBase* child) { arborix_internal::Remove(*this, false, child); }

std::list<XMLAttributeObj*> XMLElementNode::GetAttributes() const {
  std::list<XMLAttributeObj*> attributes;
  for (XMLBase* attribute = attributes_.first; attribute != nullptr; attribute = attribute->next_) {
    attributes.push_back(static_cast<XMLAttributeObj*>(attribute));
  }
  return attributes;
}

void XMLElementNode::InsertAttribute(XMLAttributeObj* attribute, XMLAttributeObj* before) {
  arborix_internal::Place(*this, true, attribute, before);
  attribute->SetParent(this);
}

void XMLElementNode::RemoveAttribute(XMLAttributeObj* attribute) {
  arborix_internal::Remove(*this, true, attribute);
}
