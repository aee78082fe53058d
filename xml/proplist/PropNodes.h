// The nodes behind PropList entries. The kind of an entry is the exact class
// of its node: one class per scalar kind, one array class per element kind
// (a list of scalar nodes of that kind), and PropListNode for a sub-list.
// Every node owns what it holds. AppendXML writes the node's part of the
// property-list file text. Nodes, the links of array lists and the texts of
// string nodes live in the library's node memory, as the nodes of XML trees do.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <memory_resource>
#include <string>
#include <type_traits>

#include "UTF16String.h"
#include "arborix/PropList.h"
#include "nodememory/NodeMemory.h"

namespace arborix_internal {

class PropNodeBase {
 public:
  PropNodeBase() = default;
  PropNodeBase(const PropNodeBase&) = delete;
  PropNodeBase& operator=(const PropNodeBase&) = delete;
  virtual ~PropNodeBase();
  // Node memory (see NodeMemory.h); throws std::bad_alloc.
  static void* operator new(std::size_t size);
  static void operator delete(void* node, std::size_t size) noexcept;
  // Appends nothing: only the concrete kinds have a text.
  virtual void AppendXML(std::string& out) const;
};

// <string>bytes</string>, the bytes escaped and otherwise written as stored.
class StringPropNode final : public PropNodeBase {
 public:
  using Value = std::string;  // what the list's interface reads and writes
  void AppendXML(std::string& out) const override;
  std::pmr::string value{NodeMemoryResource()};
};

// <ustring>text</ustring>, the text converted to UTF-8 and escaped. Doubles
// are kept here as their text.
class UnicodeStringPropNode final : public PropNodeBase {
 public:
  using Value = UTF16String;
  void AppendXML(std::string& out) const override;
  std::pmr::u16string value{NodeMemoryResource()};
};

// <true/> or <false/>.
class BoolPropNode final : public PropNodeBase {
 public:
  using Value = bool;
  void AppendXML(std::string& out) const override;
  Value value = false;
};

// One integer, in spite of the name, written in decimal inside an <int> tag
// that names its type and width. Instantiated for std::uint16_t,
// std::uint32_t and std::int32_t only.
template <typename Integer>
class SimpleTypeArrayNode final : public PropNodeBase {
 public:
  using Value = Integer;
  void AppendXML(std::string& out) const override;
  Value value = 0;
};

extern template class SimpleTypeArrayNode<std::uint16_t>;
extern template class SimpleTypeArrayNode<std::uint32_t>;
extern template class SimpleTypeArrayNode<std::int32_t>;

// A sub-list, written as its own <prop.list> text.
class PropListNode final : public PropNodeBase {
 public:
  PropListNode();
  ~PropListNode() override;
  void AppendXML(std::string& out) const override;
  PropList list;
};

// A list value: one scalar node per element, held in the list itself, in
// order, destroyed in order. Written as <array>, the elements' texts,
// </array>. ElementPointer is a pointer to one of the scalar node classes above.
template <typename ElementPointer>
class PropListArrayNode final : public PropNodeBase {
 public:
  using Element = std::remove_pointer_t<ElementPointer>;
  using Value = std::list<typename Element::Value>;
  void AppendXML(std::string& out) const override;
  std::pmr::list<Element> elements{NodeMemoryResource()};
};

extern template class PropListArrayNode<StringPropNode*>;
extern template class PropListArrayNode<UnicodeStringPropNode*>;
extern template class PropListArrayNode<BoolPropNode*>;
extern template class PropListArrayNode<SimpleTypeArrayNode<std::uint16_t>*>;
extern template class PropListArrayNode<SimpleTypeArrayNode<std::uint32_t>*>;
extern template class PropListArrayNode<SimpleTypeArrayNode<std::int32_t>*>;

}  // namespace arborix_internal
