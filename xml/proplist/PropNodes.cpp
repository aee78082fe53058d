#include "proplist/PropNodes.h"

#include <charconv>

#include "text/ReservedCharacterEscaping.h"
#include "text/UTF16ViewTo8.h"

namespace arborix_internal {
namespace {

template <typename Integer>
constexpr std::string_view IntStartTag() {
  if constexpr (std::is_same_v<Integer, std::uint16_t>) {
    return "<int type='unsigned' size='16'>";
  } else if constexpr (std::is_same_v<Integer, std::uint32_t>) {
    return "<int type='unsigned' size='32'>";
  } else {
    static_assert(std::is_same_v<Integer, std::int32_t>);
    return "<int type='signed' size='32'>";
  }
}

}  // namespace

PropNodeBase::~PropNodeBase() = default;

void* PropNodeBase::operator new(std::size_t size) { return AllocateNodeMemory(size); }
void PropNodeBase::operator delete(void* node, std::size_t size) noexcept { FreeNodeMemory(node, size); }

void PropNodeBase::AppendXML(std::string&) const {}

void StringPropNode::AppendXML(std::string& out) const {
  out += "<string>";
  AppendEscaped(value, out);
  out += "</string>\n";
}

void UnicodeStringPropNode::AppendXML(std::string& out) const {
  out += "<ustring>";
  AppendEscaped(UTF16ViewTo8(value), out);
  out += "</ustring>\n";
}

void BoolPropNode::AppendXML(std::string& out) const { out += value ? "<true/>\n" : "<false/>\n"; }

template <typename Integer>
void SimpleTypeArrayNode<Integer>::AppendXML(std::string& out) const {
  // Plain decimal whatever the global locale: no grouping, "-" for negatives.
  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, value);
  out += IntStartTag<Integer>();
  out.append(digits, written.ptr);
  out += "</int>\n";
}

template class SimpleTypeArrayNode<std::uint16_t>;
template class SimpleTypeArrayNode<std::uint32_t>;
template class SimpleTypeArrayNode<std::int32_t>;

PropListNode::PropListNode() = default;

PropListNode::~PropListNode() = default;

void PropListNode::AppendXML(std::string& out) const { list.AppendXML(out); }

template <typename ElementPointer>
void PropListArrayNode<ElementPointer>::AppendXML(std::string& out) const {
  out += "<array>";
  for (const auto& element : elements) {
    element.AppendXML(out);
  }
  out += "</array>\n";
}

template class PropListArrayNode<StringPropNode*>;
template class PropListArrayNode<UnicodeStringPropNode*>;
template class PropListArrayNode<BoolPropNode*>;
template class PropListArrayNode<SimpleTypeArrayNode<std::uint16_t>*>;
template class PropListArrayNode<SimpleTypeArrayNode<std::uint32_t>*>;
template class PropListArrayNode<SimpleTypeArrayNode<std::int32_t>*>;

}  // namespace arborix_internal
