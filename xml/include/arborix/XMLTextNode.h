/// @file
/// XMLTextNode: a run of character data. Its value is written out unescaped.
#pragma once

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/NodeText.h"
#include "arborix/XMLBase.h"

class XMLElementNode;

/// A run of character data, written out unescaped.
class ARBORIX_EXPORT XMLTextNode : public XMLBase {
 public:
  /// `parent` is only remembered; the node is not inserted into its list.
  XMLTextNode(XMLElementNode* parent, const UTF16String& value);
  /// The same, for a text the caller has no more use for.
  XMLTextNode(XMLElementNode* parent, UTF16String&& value);
  ~XMLTextNode() override;

  XMLNodeType GetNodeType() override;  ///< XMLTextType
  /// Replaces the character data by a copy of `value`.
  void SetValue(UTF16String& value) override;
  /// Sets `value` to the character data.
  void GetValue(UTF16String& value) const override;
  void AppendXML(UTF16String& out) override;  ///< the value itself
  XMLBase* Clone(bool deep) const override;   ///< same value, no parent

 private:
  friend class XMLContentHandler;
  /// A text node holding a text already in node memory.
  ARBORIX_NO_EXPORT explicit XMLTextNode(arborix_internal::NodeText&& value) noexcept;

  arborix_internal::NodeText value_;
};
