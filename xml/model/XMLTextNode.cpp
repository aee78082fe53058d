#include "arborix/XMLTextNode.h"

#include <utility>

#include "arborix/XMLElementNode.h"

XMLTextNode::XMLTextNode(XMLElementNode* parent, const UTF16String& value) : XMLBase(parent), value_(value) {}

XMLTextNode::XMLTextNode(XMLElementNode* parent, UTF16String&& value) : XMLBase(parent), value_(std::move(value)) {}

XMLTextNode::~XMLTextNode() = default;

XMLNodeType XMLTextNode::GetNodeType() { return XMLTextType; }

void XMLTextNode::SetValue(UTF16String& value) { value_ = value; }

void XMLTextNode::GetValue(UTF16String& value) const { value = value_; }

void XMLTextNode::AppendXML(UTF16String& out) { out += value_; }

XMLBase* XMLTextNode::Clone(bool) const { return new XMLTextNode(nullptr, value_); }
