/// @file
/// XMLBase: the root of every XML node class. A node knows its parent (not
/// owned; null for a detached node and for a document) and carries a lock
/// count that only Release() consults. All text is UTF16String; getters fill
/// the caller's string, setters copy theirs.
///
/// Apart from the parent, which callers may set and copy freely, a node
/// remembers the element whose list holds it. Only the elements' insertion and
/// removal change that record, so it stays true whatever the parent says.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <new>

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/XMLNodeType.h"

class XMLElementNode;
namespace arborix_internal {
struct NodeLinks;
}  // namespace arborix_internal

/// The root of every XML node class: the parent link, the lock count, and the
/// operations every node answers.
class ARBORIX_EXPORT XMLBase {
 public:
  /// A node under `parent` (null for none), unlocked and listed nowhere.
  explicit XMLBase(XMLBase* parent);
  ///@{
  /// Copies carry both the parent pointer and the lock count. A copy is listed
  /// nowhere, and an assigned node stays listed where it was.
  XMLBase(const XMLBase& other);
  XMLBase& operator=(const XMLBase& other);
  ///@}
  /// Destroys the node; an element destroys its children and attributes with it.
  virtual ~XMLBase();

  ///@{
  /// Nodes of every class live in pooled blocks of the library: create them
  /// with new (or CreateNode) and destroy them with delete, never mixing in
  /// the global operators new and delete. A derived class aligned beyond
  /// `__STDCPP_DEFAULT_NEW_ALIGNMENT__` (an alignas member, a vector type) gets
  /// a block of its own alignment from the aligned forms, whatever its
  /// alignment and size.
  static void* operator new(std::size_t size);
  static void* operator new(std::size_t size, std::align_val_t alignment);
  static void operator delete(void* block, std::size_t size) noexcept;
  static void operator delete(void* block, std::size_t size, std::align_val_t alignment) noexcept;
  ///@}

  /// The node's kind: element, text, attribute or document.
  virtual XMLNodeType GetNodeType() = 0;
  ///@{
  /// The node's one string: the tag name of an element, the character data of
  /// a text node, the value of an attribute.
  virtual void SetValue(UTF16String& value) = 0;
  virtual void GetValue(UTF16String& value) const = 0;
  ///@}
  /// Appends the node's XML form to `out` exactly as stored: nothing is escaped.
  virtual void AppendXML(UTF16String& out) = 0;
  /// A new detached copy, owned by the caller. `deep` matters to elements only.
  virtual XMLBase* Clone(bool deep) const = 0;
  /// Sets the parent pointer only: no list of children changes.
  virtual void SetParent(XMLBase* parent);
  /// A copy of the children list; the nodes in it stay owned by this node.
  /// Empty for every node that cannot have children.
  virtual std::list<XMLBase*> GetChildNodes() const;
  ///@{
  /// Elements only: inserts `child` before `before` (at the end when `before`
  /// is not a child), or removes `child` without destroying it. Every other
  /// node ignores these two calls.
  virtual void InsertChild(XMLBase* child, XMLBase* before);
  virtual void RemoveChild(XMLBase* child);
  ///@}
  /// Raises the lock count: a locked node keeps its document from Release().
  virtual void Lock();
  /// Lowers the lock count; a count of 0 stays 0.
  virtual void Unlock();

  /// The parent pointer; null for a detached node and for a document.
  XMLBase* GetParent() const;
  /// True while the lock count is above 0.
  bool IsLocked();

 protected:
  /// Asks the document at the top of this node's tree to destroy itself; it
  /// does so unless some node below it is locked. A node whose topmost
  /// ancestor is not a document, and a detached node, are left alone. The
  /// call may destroy this node: nothing may touch it afterwards.
  virtual void Release();
  /// The topmost ancestor; null for a node without parent (not the node itself).
  XMLBase* GetRoot();

 private:
  friend class XMLElementNode;
  friend struct arborix_internal::NodeLinks;

  XMLBase* parent_;
  std::int32_t lockCount_;
  // Where the node is listed: the element whose children or attributes list
  // holds it, which of the two, and its neighbours there. A list is a chain
  // through its nodes, so listing a node allocates nothing.
  bool listedAsAttribute_ = false;
  XMLElementNode* listedBy_ = nullptr;
  XMLBase* previous_ = nullptr;
  XMLBase* next_ = nullptr;
};
