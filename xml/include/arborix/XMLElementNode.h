/// @file
/// XMLElementNode: an element with a tag name, an ordered list of children and
/// an ordered list of attributes. It owns every node it lists and destroys them
/// with itself. A node is listed once, by one element at most: inserting a
/// node that an element still lists takes it out of that list first, whatever
/// its parent pointer says. Appending, moving and removing a node cost O(1);
/// only inserting before a given sibling searches the list for that sibling.
/// An insertion that would make an element its own ancestor is refused.
/// Trees of any depth are destroyed, cloned and serialised without recursion.
#pragma once

#include <list>

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/NodeText.h"
#include "arborix/XMLAttributeObj.h"
#include "arborix/XMLBase.h"

/// An element: a tag name, and the children and attributes it owns.
class ARBORIX_EXPORT XMLElementNode : public XMLBase {
 public:
  /// `parent` is only remembered; the element is not inserted into its list.
  XMLElementNode(XMLElementNode* parent, const UTF16String& name);
  /// Children and attributes are owned: an element is never copied implicitly.
  XMLElementNode(const XMLElementNode&) = delete;
  XMLElementNode& operator=(const XMLElementNode&) = delete;
  /// Destroys every child and attribute still listed.
  ~XMLElementNode() override;

  XMLNodeType GetNodeType() override;  ///< XMLElementType
  /// Replaces the tag name by a copy of `name`.
  void SetValue(UTF16String& name) override;
  /// Sets `name` to the tag name.
  void GetValue(UTF16String& name) const override;
  /// Appends `<name attr="v" ...>children</name>`, or `<name ... />` without children.
  /// An element with an empty name writes nothing at all, unless it is a
  /// document, which then writes only its children.
  void AppendXML(UTF16String& out) override;
  /// A detached element with the same name and copies of all attributes; with
  /// `deep`, copies of all children as well.
  XMLBase* Clone(bool deep) const override;
  /// A copy of the children list, in order; the children stay owned by the element.
  std::list<XMLBase*> GetChildNodes() const override;
  /// Takes `child` (not null) out of the list wherever it is, then puts it
  /// right before `before`, or at the end when `before` is null or not a
  /// child. The element owns `child` from then on and becomes its parent.
  /// Does nothing at all when `child` is this element or lists it, directly
  /// or further up: a tree cannot hold itself.
  void InsertChild(XMLBase* child, XMLBase* before) override;
  /// Takes `child` out of the list and detaches it; the caller owns it again.
  /// A node that is not a child is left as it is.
  void RemoveChild(XMLBase* child) override;

  /// A copy of the attributes list; the attributes stay owned by the element.
  virtual std::list<XMLAttributeObj*> GetAttributes() const;

  /// InsertChild and RemoveChild for the attributes list.
  ///@{
  void InsertAttribute(XMLAttributeObj* attribute, XMLAttributeObj* before);
  void RemoveAttribute(XMLAttributeObj* attribute);
  ///@}

 private:
  /// The library's tree operations (adopting parsed nodes, cloning, the
  /// checks and walks over the two lists) work on the private parts below.
  friend struct arborix_internal::NodeLinks;
  /// Parsing makes elements from names already in node memory.
  friend class XMLContentHandler;

  /// One of the two lists: a chain through the listed nodes' own links.
  struct NodeChain {
    XMLBase* first = nullptr;
    XMLBase* last = nullptr;
  };

  /// An element named by a text already in node memory, listed nowhere.
  ARBORIX_NO_EXPORT XMLElementNode(arborix_internal::NodeText&& name) noexcept;

  arborix_internal::NodeText name_;
  NodeChain children_;
  NodeChain attributes_;
};
