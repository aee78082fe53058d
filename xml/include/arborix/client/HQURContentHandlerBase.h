/// @file
/// HQURContentHandlerBase: the base of the library's content handlers. The
/// parser calls the raw operations with its handles; each wraps them in holders
/// and calls the typed operation of the same name, which a handler overrides.
/// Every typed default does nothing. Anything a typed operation throws is
/// handed back to the parser as an error handle, which ends the parse with it.
/// The parser destroys a handler through selfDestruct (by default `delete this`).
#pragma once

#include "ArborixExport.h"
#include "arborix/client/CQURAttributes.h"
#include "arborix/client/CQURLocator.h"
#include "arborix/client/CQURString.h"

/// The marker of content handlers, as the parser's interface knows them.
class ARBORIX_EXPORT ZQURContentHandlerPrototype {
 public:
  virtual ~ZQURContentHandlerPrototype();
};

/// The base of the content handlers handed to the parser.
class ARBORIX_EXPORT HQURContentHandlerBase : public ZQURContentHandlerPrototype {
 public:
  ~HQURContentHandlerBase() override;

 private:
  virtual void rawCharacters(KORContainerObject* text);
 public:
  /// A run of character data, references resolved; one run may come in several calls.
  virtual void characters(CQURString& text);
  /// The end of the document, after every other call of the parse.
  virtual void endDocument();
 private:
  virtual void rawEndElement(KORContainerObject* uri, KORContainerObject* localName, KORContainerObject* qualifiedName);
 public:
  /// The end of an element; `localName` is its name as written.
  virtual void endElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName);
 private:
  virtual void rawEndPrefixMapping(KORContainerObject* prefix);
 public:
  /// The end of the scope of a namespace prefix.
  virtual void endPrefixMapping(CQURString& prefix);
 private:
  virtual void rawIgnorableWhitespace(KORContainerObject* text);
 public:
  /// Whitespace that the document's grammar marks as ignorable.
  virtual void ignorableWhitespace(CQURString& text);
 private:
  virtual void rawProcessingInstruction(KORContainerObject* target, KORContainerObject* data);
 public:
  /// A processing instruction, its target and the data after it.
  virtual void processingInstruction(CQURString& target, CQURString& data);
 private:
  virtual void rawSetDocumentLocator(KORContainerObject* locator);
 public:
  /// The locator that tells, during later calls, where the parser stands.
  virtual void setDocumentLocator(CQURLocator& locator);
  /// The start of the document, before any element.
  virtual void startDocument();
 private:
  virtual void rawStartElement(KORContainerObject* uri, KORContainerObject* localName,
                               KORContainerObject* qualifiedName, KORContainerObject* attributes);
 public:
  /// The start of an element, with the attributes of its start tag;
  /// `localName` is its name as written.
  virtual void startElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName,
                            CQURAttributes& attributes);
 private:
  virtual void rawStartPrefixMapping(KORContainerObject* prefix, KORContainerObject* uri);
 public:
  /// The start of the scope of a namespace prefix bound to `uri`.
  virtual void startPrefixMapping(CQURString& prefix, CQURString& uri);
 private:
  virtual void rawSkippedEntity(KORContainerObject* name);
 public:
  /// An entity the parser did not expand.
  virtual void skippedEntity(CQURString& name);
 private:
  virtual void rawReservedText(KORContainerObject* text);
 public:
  /// An entry of the parser's table that it never calls.
  virtual void reservedText(CQURString& text);
 private:
  virtual void rawReservedDeclaration(KORContainerObject* a, KORContainerObject* b, KORContainerObject* c,
                                      KORContainerObject* d);
 public:
  /// Another entry of the parser's table that it never calls.
  virtual void reservedDeclaration(CQURString& a, CQURString& b, CQURString& c, CQURString& d);
  /// Destroys the handler when the parser lets it go; `delete this` by default.
  virtual void selfDestruct();

 private:
  friend class CQURAdapterEntries;
};
