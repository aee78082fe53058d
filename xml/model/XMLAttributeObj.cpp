#include "arborix/XMLAttributeObj.h"

#include "arborix/XMLElementNode.h"

XMLAttributeObj::XMLAttributeObj(XMLElementNode* parent, const UTF16String& name, const UTF16String& value)
    : XMLBase(parent), name_(name), value_(value) {}

XMLAttributeObj::~XMLAttributeObj() = default;

XMLNodeType XMLAttributeObj::GetNodeType() { return XMLAttributeType; }

void XMLAttributeObj::SetValue(UTF16String& value) { value_ = value; }

void XMLAttributeObj::GetValue(UTF16String& value) const { value = value_; }

void XMLAttributeObj::AppendXML(UTF16String& out) {
  out += name_;
  out += u"=\"";
  out += value_;
  out += u'"';
}

XMLBase* XMLAttributeObj::Clone(bool) const { return new XMLAttributeObj(nullptr, name_, value_); }

void XMLAttributeObj::GetAttributeName(UTF16String& name) const { name = name_; }
