// The tree operations that XMLDocument and the tree-building parse share with
// XMLElementNode, kept out of the library's exports. They work on the lists
// that elements keep through their listed nodes' own links.
#pragma once

#include "arborix/XMLBase.h"
#include "arborix/XMLElementNode.h"

namespace arborix_internal {

// Lists a newly made `child`, which no element lists yet and which, being
// new, cannot be an ancestor of `element`, at the end of its children, and
// makes `element` its parent.
void AdoptChild(XMLElementNode& element, XMLBase* child);

// Appends deep copies of the children of `source` to the children of `copy`.
void CloneChildren(const XMLElementNode& source, XMLElementNode& copy);

// True when some node anywhere below `element` is locked.
bool HasLockedDescendant(const XMLElementNode& element);

// Takes `node` out of the list of the element that holds it, if any; the
// parent pointer is left as it is.
void Unlist(XMLBase& node) noexcept;

}  // namespace arborix_internal
