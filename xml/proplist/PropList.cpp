#include "arborix/PropList.h"

#include <typeinfo>
#include <utility>
#include <vector>

#include "arborix/UTFConversion.h"
#include "nodememory/NodeMemory.h"
#include "proplist/DoubleText.h"
#include "proplist/PropListMarkup.h"
#include "proplist/PropNodes.h"
#include "text/ReservedCharacterEscaping.h"

using arborix_internal::BoolPropNode;
using arborix_internal::PropListArrayNode;
using arborix_internal::PropListNode;
using arborix_internal::PropNodeBase;
using arborix_internal::SimpleTypeArrayNode;
using arborix_internal::StringPropNode;
using arborix_internal::UnicodeStringPropNode;

namespace {

using Entries = std::pmr::map<UTF16String, std::unique_ptr<PropNodeBase>>;

// The node class that holds values of type Value.
template <typename Value>
struct NodeClass;
template <>
struct NodeClass<std::string> {
  using type = StringPropNode;
};
template <>
struct NodeClass<UTF16String> {
  using type = UnicodeStringPropNode;
};
template <>
struct NodeClass<bool> {
  using type = BoolPropNode;
};
template <>
struct NodeClass<std::uint16_t> {
  using type = SimpleTypeArrayNode<std::uint16_t>;
};
template <>
struct NodeClass<std::uint32_t> {
  using type = SimpleTypeArrayNode<std::uint32_t>;
};
template <>
struct NodeClass<std::int32_t> {
  using type = SimpleTypeArrayNode<std::int32_t>;
};
template <typename Element>
struct NodeClass<std::list<Element>> {
  using type = PropListArrayNode<typename NodeClass<Element>::type*>;
};

// Where `key` is or would go: its entry, or the first one after it. A key
// beyond every key present, as each key is when a file written in key order
// loads, is placed at the end without a search.
Entries::iterator Place(Entries& entries, const UTF16String& key) {
  if (entries.empty() || entries.rbegin()->first < key) return entries.end();
  return entries.lower_bound(key);
}

bool Holds(const Entries& entries, Entries::const_iterator place, const UTF16String& key) {
  return place != entries.end() && place->first == key;
}

// The node at `place` if it holds `key` and is of exactly the class Node.
template <typename Node>
Node* ExactAt(const Entries& entries, Entries::const_iterator place, const UTF16String& key) {
  if (!Holds(entries, place, key)) return nullptr;
  PropNodeBase& node = *place->second;
  return typeid(node) == typeid(Node) ? static_cast<Node*>(&node) : nullptr;
}

// The node under `key` if it is of exactly the class Node, else null.
template <typename Node>
Node* FindExact(const Entries& entries, const UTF16String& key) {
  return ExactAt<Node>(entries, entries.find(key), key);
}

// Puts `node` under `key` at its `place`; whatever the key held before is destroyed.
void Replace(Entries& entries, Entries::iterator place, const UTF16String& key, std::unique_ptr<PropNodeBase> node) {
  if (Holds(entries, place, key)) {
    place->second.swap(node);
  } else {
    entries.emplace_hint(place, key, std::move(node));
  }
}

// Whether `type` is exactly the node class of values of type Value.
template <typename Value>
bool IsNodeOf(const std::type_info& type) {
  return type == typeid(typename NodeClass<Value>::type);
}

// The kind of the entry that `node` holds: the kind whose node class it is
// exactly. The last one is what remains of the thirteen classes stored.
PropKind KindOf(const PropNodeBase& node) {
  const std::type_info& type = typeid(node);
  if (type == typeid(PropListNode)) return PropKind::SubList;
  if (IsNodeOf<std::string>(type)) return PropKind::String;
  if (IsNodeOf<UTF16String>(type)) return PropKind::UnicodeString;
  if (IsNodeOf<bool>(type)) return PropKind::Bool;
  if (IsNodeOf<std::uint16_t>(type)) return PropKind::Unsigned16;
  if (IsNodeOf<std::uint32_t>(type)) return PropKind::Unsigned32;
  if (IsNodeOf<std::int32_t>(type)) return PropKind::Signed32;
  if (IsNodeOf<std::list<std::string>>(type)) return PropKind::StringList;
  if (IsNodeOf<std::list<UTF16String>>(type)) return PropKind::UnicodeStringList;
  if (IsNodeOf<std::list<bool>>(type)) return PropKind::BoolList;
  if (IsNodeOf<std::list<std::uint16_t>>(type)) return PropKind::Unsigned16List;
  if (IsNodeOf<std::list<std::uint32_t>>(type)) return PropKind::Unsigned32List;
  return PropKind::Signed32List;
}

template <typename Value>
bool ReadScalar(const Entries& entries, const UTF16String& key, Value& out) {
  const auto* node = FindExact<typename NodeClass<Value>::type>(entries, key);
  if (node == nullptr) {
    return false;
  }
  out = node->value;
  return true;
}

template <typename Value>
bool ReadList(const Entries& entries, const UTF16String& key, std::list<Value>& out) {
  const auto* node = FindExact<typename NodeClass<std::list<Value>>::type>(entries, key);
  if (node == nullptr) {
    return false;
  }
  for (const auto& element : node->elements) {
    out.emplace_back(element.value);
  }
  return true;
}

template <typename Value>
void WriteScalar(Entries& entries, const UTF16String& key, const Value& value) {
  using Node = typename NodeClass<Value>::type;
  const auto place = Place(entries, key);
  if (Node* node = ExactAt<Node>(entries, place, key)) {
    node->value = value;
    return;
  }
  // The new node is complete before the old one goes, so a failed copy
  // leaves the entry as it was.
  auto node = std::make_unique<Node>();
  node->value = value;
  Replace(entries, place, key, std::move(node));
}

template <typename Value>
void WriteList(Entries& entries, const UTF16String& key, const std::list<Value>& value) {
  using Node = typename NodeClass<std::list<Value>>::type;
  decltype(Node::elements) elements(arborix_internal::NodeMemoryResource());
  for (const Value& item : value) {
    elements.emplace_back().value = item;
  }
  const auto place = Place(entries, key);
  if (Node* node = ExactAt<Node>(entries, place, key)) {
    node->elements.swap(elements);
    return;
  }
  auto node = std::make_unique<Node>();
  node->elements.swap(elements);
  Replace(entries, place, key, std::move(node));
}

}  // namespace

PropList::PropList() : entries_(arborix_internal::NodeMemoryResource()) {}

PropList::~PropList() { DestroyEntries(); }

bool PropList::GetValue(const UTF16String& key, double& out) const {
  UTF16String text;
  if (!GetValue(key, text)) {
    return false;
  }
  arborix_internal::TextToDouble(text, out);
  return true;
}

bool PropList::GetValue(const UTF16String& key, std::list<std::int32_t>& out) const {
  return ReadList(entries_, key, out);
}

bool PropList::GetValue(const UTF16String& key, std::int32_t& out) const { return ReadScalar(entries_, key, out); }

bool PropList::GetValue(const UTF16String& key, std::list<std::uint32_t>& out) const {
  return ReadList(entries_, key, out);
}

bool PropList::GetValue(const UTF16String& key, std::uint32_t& out) const { return ReadScalar(entries_, key, out); }

bool PropList::GetValue(const UTF16String& key, std::list<std::uint16_t>& out) const {
  return ReadList(entries_, key, out);
}

bool PropList::GetValue(const UTF16String& key, std::uint16_t& out) const { return ReadScalar(entries_, key, out); }

bool PropList::GetValue(const UTF16String& key, std::list<bool>& out) const { return ReadList(entries_, key, out); }

bool PropList::GetValue(const UTF16String& key, bool& out) const { return ReadScalar(entries_, key, out); }

bool PropList::GetValue(const UTF16String& key, std::list<std::string>& out) const {
  return ReadList(entries_, key, out);
}

bool PropList::GetValue(const UTF16String& key, std::string& out) const { return ReadScalar(entries_, key, out); }

bool PropList::GetValue(const UTF16String& key, std::list<UTF16String>& out) const {
  return ReadList(entries_, key, out);
}

bool PropList::GetValue(const UTF16String& key, UTF16String& out) const { return ReadScalar(entries_, key, out); }

void PropList::SetValue(const UTF16String& key, const double& value) {
  SetValue(key, arborix_internal::DoubleToText(value));
}

void PropList::SetValue(const UTF16String& key, const std::list<std::int32_t>& value) {
  WriteList(entries_, key, value);
}

void PropList::SetValue(const UTF16String& key, const std::int32_t& value) { WriteScalar(entries_, key, value); }

void PropList::SetValue(const UTF16String& key, const std::list<std::uint32_t>& value) {
  WriteList(entries_, key, value);
}

void PropList::SetValue(const UTF16String& key, const std::uint32_t& value) { WriteScalar(entries_, key, value); }

void PropList::SetValue(const UTF16String& key, const std::list<std::uint16_t>& value) {
  WriteList(entries_, key, value);
}

void PropList::SetValue(const UTF16String& key, const std::uint16_t& value) { WriteScalar(entries_, key, value); }

void PropList::SetValue(const UTF16String& key, const std::list<bool>& value) { WriteList(entries_, key, value); }

void PropList::SetValue(const UTF16String& key, const bool& value) { WriteScalar(entries_, key, value); }

void PropList::SetValue(const UTF16String& key, const std::list<std::string>& value) {
  WriteList(entries_, key, value);
}

void PropList::SetValue(const UTF16String& key, const std::string& value) { WriteScalar(entries_, key, value); }

void PropList::SetValue(const UTF16String& key, const std::list<UTF16String>& value) {
  WriteList(entries_, key, value);
}

void PropList::SetValue(const UTF16String& key, const UTF16String& value) { WriteScalar(entries_, key, value); }

PropList* PropList::GetSubList(const UTF16String& key) const {
  auto* node = FindExact<PropListNode>(entries_, key);
  return node == nullptr ? nullptr : &node->list;
}

PropList* PropList::NewSubList(const UTF16String& key) {
  const auto place = Place(entries_, key);
  if (auto* node = ExactAt<PropListNode>(entries_, place, key)) {
    return &node->list;
  }
  auto node = std::make_unique<PropListNode>();
  PropList* subList = &node->list;
  Replace(entries_, place, key, std::move(node));
  return subList;
}

void PropList::Clear() { DestroyEntries(); }

void PropList::VisitEntries(const std::function<void(const UTF16String& key, PropKind kind)>& visit) const {
  for (const auto& [key, node] : entries_) visit(key, KindOf(*node));
}

void PropList::AppendXML(std::string& out) const {
  // Sub-lists are written inline from a stack of open lists rather than by
  // recursion, so nesting of any depth costs no stack.
  struct OpenList {
    const PropList* list;
    Entries::const_iterator next;
  };
  arborix_internal::AppendStartLine(out, PropListTags::kList);
  std::vector<OpenList> open{{this, entries_.begin()}};
  while (!open.empty()) {
    OpenList& innermost = open.back();
    if (innermost.next == innermost.list->entries_.end()) {
      arborix_internal::AppendEndLine(out, PropListTags::kList);
      open.pop_back();
      if (!open.empty()) {
        arborix_internal::AppendEndLine(out, PropListTags::kPair);
      }
      continue;
    }
    const auto& [key, node] = *innermost.next++;
    arborix_internal::AppendStartLine(out, PropListTags::kPair);
    arborix_internal::AppendStartTag(out, PropListTags::kKey);
    arborix_internal::AppendEscaped(UTF16to8(key), out);
    arborix_internal::AppendEndLine(out, PropListTags::kKey);
    const PropNodeBase& value = *node;
    if (typeid(value) == typeid(PropListNode)) {
      const PropList& subList = static_cast<const PropListNode&>(value).list;
      arborix_internal::AppendStartLine(out, PropListTags::kList);
      open.push_back({&subList, subList.entries_.begin()});
      continue;
    }
    value.AppendXML(out);
    arborix_internal::AppendEndLine(out, PropListTags::kPair);
  }
}

void PropList::DestroyEntries() {
  // Sub-lists die empty (see below): only the list deleted holds the batch.
  if (entries_.empty()) return;
  const arborix_internal::NodeMemoryRelease release;
  // A sub-list's entries are moved here before its node is destroyed, so that
  // every sub-list dies empty: nesting of any depth costs no stack. Moving
  // map nodes allocates nothing, which a destructor relies on. They are
  // destroyed at once, while they are still in the cache, and the work list
  // holds one sub-list's tree at a time.
  //
  // Entries are erased one by one in key order, the order a load made them:
  // the heap gets the keys' blocks back in that order too, and hands them out
  // again without scattering the next list.
  std::pmr::multimap<UTF16String, std::unique_ptr<PropNodeBase>> doomed(arborix_internal::NodeMemoryResource());
  auto takeSubListEntries = [&doomed](PropNodeBase& node) {
    if (typeid(node) == typeid(PropListNode)) {
      doomed.merge(static_cast<PropListNode&>(node).list.entries_);
    }
  };
  for (auto entry = entries_.begin(); entry != entries_.end();) {
    takeSubListEntries(*entry->second);
    while (!doomed.empty()) {
      auto inner = doomed.extract(doomed.begin());
      takeSubListEntries(*inner.mapped());
    }
    entry = entries_.erase(entry);
  }
}
