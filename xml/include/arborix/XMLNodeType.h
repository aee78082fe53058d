/// @file
/// XMLNodeType: the kind of an XML node, as GetNodeType() reports it. Only
/// these four values are ever produced or recognised; the gaps are part of the
/// stored numbering.
#pragma once

#include <cstdint>

/// The kind of an XML node.
enum XMLNodeType : std::int32_t {
  XMLElementType = 0,    ///< an XMLElementNode
  XMLAttributeType = 1,  ///< an XMLAttributeObj
  XMLTextType = 2,       ///< an XMLTextNode
  XMLDocumentType = 8,   ///< an XMLDocument
};
