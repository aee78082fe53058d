/// @file
/// XMLParseStatus: the outcome of parsing XML text into a document, also kept
/// in the document. XMLParseOK is success and XMLParseFailed the general
/// failure; the others name the class of failure the parser reported. The
/// values 1 and 6 are never produced.
#pragma once

#include <cstdint>

/// The outcome of parsing XML text into a document.
enum XMLParseStatus : std::int32_t {
  /// The document was parsed without error.
  XMLParseOK = 0,
  /// An end tag did not match the open element, or an element was left open.
  XMLParseTagMismatch = 2,
  /// The bytes could not be decoded in the document's encoding.
  XMLParseBadEncoding = 3,
  /// The input held no root element.
  XMLParseNoRootElement = 4,
  /// Any other failure.
  XMLParseFailed = 5,
  /// The text broke a well-formedness rule of XML.
  XMLParseNotWellFormed = 7,
  /// An entity reference named an entity that was never declared.
  XMLParseUndefinedEntity = 8,
};
