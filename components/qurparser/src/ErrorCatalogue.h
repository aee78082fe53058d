// The parser's error catalogue: every Expat error code, and the faults the
// parser finds itself, mapped to a numeric ID and a message. The IDs are
// grouped so that a client can tell a tag fault, an encoding fault, a missing
// root, an undefined entity, a general well-formedness fault and a failure of
// the machinery apart (see QURParser.h).
#pragma once

#include <expat.h>

#include <cstdint>

namespace qur {

inline constexpr const char* kDocumentComponent = "QURParser";

struct CatalogueEntry {
  std::int32_t id;
  const char* message;
};

// The entry of an Expat error. `insideElement` tells whether the document
// ended inside an element, which Expat reports as "no element found".
CatalogueEntry EntryForExpatError(XML_Error code, bool insideElement);

inline constexpr CatalogueEntry kStreamOverrun{85, "the input stream reported more bytes than were asked for"};
inline constexpr CatalogueEntry kParserOutOfMemory{111, "out of memory"};
inline constexpr CatalogueEntry kUndecodableBytes{48, "bytes not valid in the declared encoding"};

}  // namespace qur
