// XMLAttributeObj: one name="value" pair of an element. GetValue and SetValue
// work on the value; the name is fixed at construction.
#pragma once

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/XMLBase.h"

class XMLElementNode;

class ARBORIX_EXPORT XMLAttributeObj : public XMLBase {
 public:
  // `parent` is only remembered; the attribute is not inserted into its list.
  XMLAttributeObj(XMLElementNode* parent, const UTF16String& name, const UTF16String& value);
  ~XMLAttributeObj() override;

  XMLNodeType GetNodeType() override;  // XMLAttributeType
  void SetValue(UTF16String& value) override;
  void GetValue(UTF16String& value) const override;
  // name="value", with a double quote on each side and nothing escaped.
  void AppendXML(UTF16String& out) override;
  XMLBase* Clone(bool deep) const override;  // same name and value, no parent

  virtual void GetAttributeName(UTF16String& name) const;

 private:
  UTF16String name_;
  UTF16String value_;
};
