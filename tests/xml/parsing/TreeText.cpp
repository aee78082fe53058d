#include "TreeText.h"

#include "arborix/XMLAttributeObj.h"
#include "arborix/XMLElementNode.h"

namespace parsing_test {

std::u16string Outline(XMLBase* node) {
  std::u16string value;
  node->GetValue(value);
  auto* element = dynamic_cast<XMLElementNode*>(node);
  if (element == nullptr) return u"'" + value + u"'";
  std::u16string text = value;
  const auto attributes = element->GetAttributes();
  if (!attributes.empty()) {
    text += u'(';
    bool first = true;
    for (XMLAttributeObj* attribute : attributes) {
      std::u16string name;
      std::u16string attributeValue;
      attribute->GetAttributeName(name);
      attribute->GetValue(attributeValue);
      text += (first ? u"" : u" ") + name + u'=' + attributeValue;
      first = false;
    }
    text += u')';
  }
  const auto children = element->GetChildNodes();
  if (!children.empty()) {
    text += u'[';
    bool first = true;
    for (XMLBase* child : children) {
      if (!first) text += u',';
      text += Outline(child);
      first = false;
    }
    text += u']';
  }
  return text;
}

}  // namespace parsing_test
