/// @file
/// XMLAttributeObj: one name="value" pair of an element. GetValue and SetValue
/// work on the value; the name is fixed at construction.
#pragma once

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/NodeText.h"
#include "arborix/XMLBase.h"

class XMLElementNode;

/// One name="value" pair of an element.
class ARBORIX_EXPORT XMLAttributeObj : public XMLBase {
 public:
  /// `parent` is only remembered; the attribute is not inserted into its list.
  XMLAttributeObj(XMLElementNode* parent, const UTF16String& name, const UTF16String& value);
  ~XMLAttributeObj() override;

  XMLNodeType GetNodeType() override;  ///< XMLAttributeType
  /// Replaces the value by a copy of `value`.
  void SetValue(UTF16String& value) override;
  /// Sets `value` to the attribute's value.
  void GetValue(UTF16String& value) const override;
  /// Appends name="value", with a double quote on each side and nothing escaped.
  void AppendXML(UTF16String& out) override;
  XMLBase* Clone(bool deep) const override;  ///< same name and value, no parent

  /// Sets `name` to the attribute's name.
  virtual void GetAttributeName(UTF16String& name) const;

 private:
  friend class XMLContentHandler;
  /// An attribute whose name and value are already in node memory.
  ARBORIX_NO_EXPORT XMLAttributeObj(arborix_internal::NodeText&& name, arborix_internal::NodeText&& value) noexcept;

  arborix_internal::NodeText name_;
  arborix_internal::NodeText value_;
};
