#include "arborix/XMLTextNode.h"

#include <utility>

#include "arborix/XMLElementNode.h"

XMLTextNode::XMLTextNode(XMLElementNode* parent, const UTF16String& value) : XMLBase(parent), value_(value) {}

XMLTextNode::XMLTextNode(XMLElementNode* parent, UTF16String&& value) : XMLBase(parent), value_(value) {}

XMLTextNode::XMLTextNode(arborix_internal::NodeText&& value) noexcept : XMLBase(nullptr), value_(std::move(value)) {}

XMLTextNode::~XMLTextNode() = default;

XMLNodeType XMLTextNode::GetNodeType() { return XMLTextType; }

void XMLTextNode::SetValue(UTF16String& value) { value_ = arborix_internal::NodeText(value); }

void XMLTextNode::GetValue(UTF16String& value) const { value.assign(value_.View()); }

void XMLTextNode::AppendXML(UTF16String& out) { out += value_.View(); }

XMLBase* XMLTextNode::Clone(bool) const { return new XMLTextNode(arborix_internal::NodeText(value_)); }
