#include "proplist/PropNodes.h"

#include <charconv>

#include "proplist/PropListMarkup.h"
#include "text/ReservedCharacterEscaping.h"
#include "text/UTF16ViewTo8.h"

namespace arborix_internal {
namespace {

template <typename Integer>
const std::string& IntStartTagOf() {
  if constexpr (std::is_same_v<Integer, std::uint16_t>) {
    static const std::string tag = IntStartTag(PropListTags::kUnsigned, PropListTags::kBits16);
    return tag;
  } else if constexpr (std::is_same_v<Integer, std::uint32_t>) {
    static const std::string tag = IntStartTag(PropListTags::kUnsigned, PropListTags::kBits32);
    return tag;
  } else {
    static_assert(std::is_same_v<Integer, std::int32_t>);
    static const std::string tag = IntStartTag(PropListTags::kSigned, PropListTags::kBits32);
    return tag;
  }
}

}  // namespace

PropNodeBase::~PropNodeBase() = default;

void* PropNodeBase::operator new(std::size_t size) { return AllocateNodeMemory(size); }
void PropNodeBase::operator delete(void* node, std::size_t size) noexcept { FreeNodeMemory(node, size); }

void PropNodeBase::AppendXML(std::string&) const {}

void StringPropNode::AppendXML(std::string& out) const {
  AppendStartTag(out, PropListTags::kString);
  AppendEscaped(value, out);
  AppendEndLine(out, PropListTags::kString);
}

void UnicodeStringPropNode::AppendXML(std::string& out) const {
  AppendStartTag(out, PropListTags::kUnicodeString);
  AppendEscaped(UTF16ViewTo8(value), out);
  AppendEndLine(out, PropListTags::kUnicodeString);
}

void BoolPropNode::AppendXML(std::string& out) const {
  AppendEmptyLine(out, value ? PropListTags::kTrue : PropListTags::kFalse);
}

template <typename Integer>
void SimpleTypeArrayNode<Integer>::AppendXML(std::string& out) const {
  // Plain decimal whatever the global locale: no grouping, "-" for negatives.
  char digits[16];
  const auto written = std::to_chars(digits, digits + sizeof digits, value);
  out += IntStartTagOf<Integer>();
  out.append(digits, written.ptr);
  AppendEndLine(out, PropListTags::kInt);
}

template class SimpleTypeArrayNode<std::uint16_t>;
template class SimpleTypeArrayNode<std::uint32_t>;
template class SimpleTypeArrayNode<std::int32_t>;

PropListNode::PropListNode() = default;

PropListNode::~PropListNode() = default;

void PropListNode::AppendXML(std::string& out) const { list.AppendXML(out); }

template <typename ElementPointer>
void PropListArrayNode<ElementPointer>::AppendXML(std::string& out) const {
  AppendStartTag(out, PropListTags::kArray);
  for (const auto& element : elements) {
    element.AppendXML(out);
  }
  AppendEndLine(out, PropListTags::kArray);
}

template class PropListArrayNode<StringPropNode*>;
template class PropListArrayNode<UnicodeStringPropNode*>;
template class PropListArrayNode<BoolPropNode*>;
template class PropListArrayNode<SimpleTypeArrayNode<std::uint16_t>*>;
template class PropListArrayNode<SimpleTypeArrayNode<std::uint32_t>*>;
template class PropListArrayNode<SimpleTypeArrayNode<std::int32_t>*>;

}  // namespace arborix_internal
