// XMLNodeType: the kind of an XML node, as GetNodeType() reports it. Only
// these four values are ever produced or recognised; the gaps are part of the
// stored numbering.
#pragma once

#include <cstdint>

enum XMLNodeType : std::int32_t {
  XMLElementType = 0,
  XMLAttributeType = 1,
  XMLTextType = 2,
  XMLDocumentType = 8,
};
