#include "arborix/XMLAttributeObj.h"

#include <utility>

#include "arborix/XMLElementNode.h"

using arborix_internal::NodeText;

XMLAttributeObj::XMLAttributeObj(XMLElementNode* parent, const UTF16String& name, const UTF16String& value)
    : XMLBase(parent), name_(name), value_(value) {}

XMLAttributeObj::XMLAttributeObj(NodeText&& name, NodeText&& value) noexcept
    : XMLBase(nullptr), name_(std::move(name)), value_(std::move(value)) {}

XMLAttributeObj::~XMLAttributeObj() = default;

XMLNodeType XMLAttributeObj::GetNodeType() { return XMLAttributeType; }

void XMLAttributeObj::SetValue(UTF16String& value) { value_ = NodeText(value); }

void XMLAttributeObj::GetValue(UTF16String& value) const { value.assign(value_.View()); }

void XMLAttributeObj::AppendXML(UTF16String& out) {
  out += name_.View();
  out += u"=\"";
  out += value_.View();
  out += u'"';
}

XMLBase* XMLAttributeObj::Clone(bool) const { return new XMLAttributeObj(NodeText(name_), NodeText(value_)); }

void XMLAttributeObj::GetAttributeName(UTF16String& name) const { name.assign(name_.View()); }
