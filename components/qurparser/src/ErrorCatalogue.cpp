#include "ErrorCatalogue.h"

#include <array>
#include <utility>

namespace qur {
namespace {

constexpr CatalogueEntry kSyntax{10, "syntax error"};
constexpr CatalogueEntry kInvalidToken{13, "not well-formed (invalid token)"};
constexpr CatalogueEntry kUnclosedToken{14, "unclosed token"};
constexpr CatalogueEntry kDuplicateAttribute{15, "duplicate attribute"};
constexpr CatalogueEntry kJunkAfterRoot{17, "junk after document element"};
constexpr CatalogueEntry kMisusedEntity{18, "misused entity reference"};
constexpr CatalogueEntry kTagMismatch{26, "mismatched tag"};
constexpr CatalogueEntry kUnclosedElement{26, "the document ends inside an element"};
constexpr CatalogueEntry kNoRoot{29, "no root element"};
constexpr CatalogueEntry kExternalEntity{34, "external entity not read"};
constexpr CatalogueEntry kRecursiveEntity{35, "recursive entity reference"};
constexpr CatalogueEntry kNotStandalone{36, "document is not standalone"};
constexpr CatalogueEntry kAsyncEntity{37, "entity does not nest with the markup around it"};
constexpr CatalogueEntry kUndefinedEntity{38, "undefined entity"};
constexpr CatalogueEntry kIncorrectEncoding{48, "encoding does not match the data"};
constexpr CatalogueEntry kPartialCharacter{48, "partial character at the end of the data"};
constexpr CatalogueEntry kInternalState{54, "internal parser state error"};
constexpr CatalogueEntry kAborted{68, "parse aborted"};
constexpr CatalogueEntry kAmplification{81, "entity expansion exceeds the amplification limit"};
constexpr CatalogueEntry kUnknownEncoding{101, "unknown encoding"};

// Every code Expat 2.5 defines. Codes it may add later fall to kInternalState.
constexpr std::array<std::pair<XML_Error, CatalogueEntry>, 43> kExpatErrors{{
    {XML_ERROR_NO_MEMORY, kParserOutOfMemory},
    {XML_ERROR_SYNTAX, kSyntax},
    {XML_ERROR_NO_ELEMENTS, kNoRoot},
    {XML_ERROR_INVALID_TOKEN, kInvalidToken},
    {XML_ERROR_UNCLOSED_TOKEN, kUnclosedToken},
    {XML_ERROR_PARTIAL_CHAR, kPartialCharacter},
    {XML_ERROR_TAG_MISMATCH, kTagMismatch},
    {XML_ERROR_DUPLICATE_ATTRIBUTE, kDuplicateAttribute},
    {XML_ERROR_JUNK_AFTER_DOC_ELEMENT, kJunkAfterRoot},
    {XML_ERROR_PARAM_ENTITY_REF, kMisusedEntity},
    {XML_ERROR_UNDEFINED_ENTITY, kUndefinedEntity},
    {XML_ERROR_RECURSIVE_ENTITY_REF, kRecursiveEntity},
    {XML_ERROR_ASYNC_ENTITY, kAsyncEntity},
    {XML_ERROR_BAD_CHAR_REF, kInvalidToken},
    {XML_ERROR_BINARY_ENTITY_REF, kMisusedEntity},
    {XML_ERROR_ATTRIBUTE_EXTERNAL_ENTITY_REF, kMisusedEntity},
    {XML_ERROR_MISPLACED_XML_PI, kSyntax},
    {XML_ERROR_UNKNOWN_ENCODING, kUnknownEncoding},
    {XML_ERROR_INCORRECT_ENCODING, kIncorrectEncoding},
    {XML_ERROR_UNCLOSED_CDATA_SECTION, kUnclosedToken},
    {XML_ERROR_EXTERNAL_ENTITY_HANDLING, kExternalEntity},
    {XML_ERROR_NOT_STANDALONE, kNotStandalone},
    {XML_ERROR_UNEXPECTED_STATE, kInternalState},
    {XML_ERROR_ENTITY_DECLARED_IN_PE, kMisusedEntity},
    {XML_ERROR_FEATURE_REQUIRES_XML_DTD, kInternalState},
    {XML_ERROR_CANT_CHANGE_FEATURE_ONCE_PARSING, kInternalState},
    {XML_ERROR_UNBOUND_PREFIX, kSyntax},
    {XML_ERROR_UNDECLARING_PREFIX, kSyntax},
    {XML_ERROR_INCOMPLETE_PE, kSyntax},
    {XML_ERROR_XML_DECL, kSyntax},
    {XML_ERROR_TEXT_DECL, kSyntax},
    {XML_ERROR_PUBLICID, kSyntax},
    {XML_ERROR_SUSPENDED, kInternalState},
    {XML_ERROR_NOT_SUSPENDED, kInternalState},
    {XML_ERROR_ABORTED, kAborted},
    {XML_ERROR_FINISHED, kInternalState},
    {XML_ERROR_SUSPEND_PE, kInternalState},
    {XML_ERROR_RESERVED_PREFIX_XML, kSyntax},
    {XML_ERROR_RESERVED_PREFIX_XMLNS, kSyntax},
    {XML_ERROR_RESERVED_NAMESPACE_URI, kSyntax},
    {XML_ERROR_INVALID_ARGUMENT, kInternalState},
    {XML_ERROR_NO_BUFFER, kInternalState},
    {XML_ERROR_AMPLIFICATION_LIMIT_BREACH, kAmplification},
}};

}  // namespace

CatalogueEntry EntryForExpatError(XML_Error code, bool insideElement) {
  if (code == XML_ERROR_NO_ELEMENTS && insideElement) return kUnclosedElement;
  for (const auto& [expat, entry] : kExpatErrors) {
    if (expat == code) return entry;
  }
  return kInternalState;
}

}  // namespace qur
