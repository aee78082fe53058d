/// @file
/// PropListLoadReport: what a property-list load tells besides the entries it
/// stored: whether and where the file failed to parse, and the name of the
/// document's root element, so that a caller can tell a property-list file
/// from another XML document that merely holds a prop.list.
#pragma once

#include "UTF16String.h"
#include "arborix/XMLParseFault.h"

/// What PropListUtils::LoadPropList met in a file.
struct PropListLoadReport {
  /// Why the file failed to parse, where the parser said so; no fault
  /// (XMLParseOK) when it parsed.
  XMLParseFault fault;
  /// The name of the document's root element as written ("prop.map" in a
  /// property-list file); empty when the parser reported no element.
  UTF16String rootElement;
};
