// HQURContentHandlerBase: the base of the library's content handlers. The
// parser calls the raw operations with its handles; each wraps them in holders
// and calls the typed operation of the same name, which a handler overrides.
// Every typed default does nothing. Anything a typed operation throws is
// handed back to the parser as an error handle, which ends the parse with it.
// The parser destroys a handler through selfDestruct (by default `delete this`).
#pragma once

#include "ArborixExport.h"
#include "arborix/CQURAttributes.h"
#include "arborix/CQURLocator.h"
#include "arborix/CQURString.h"

// The marker of content handlers, as the parser's interface knows them.
class ARBORIX_EXPORT ZQURContentHandlerPrototype {
 public:
  virtual ~ZQURContentHandlerPrototype();
};

class ARBORIX_EXPORT HQURContentHandlerBase : public ZQURContentHandlerPrototype {
 public:
  ~HQURContentHandlerBase() override;

 private:
  virtual void rawCharacters(KORContainerObject* text);
 public:
  virtual void characters(CQURString& text);
  virtual void endDocument();
 private:
  virtual void rawEndElement(KORContainerObject* uri, KORContainerObject* localName, KORContainerObject* qualifiedName);
 public:
  virtual void endElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName);
 private:
  virtual void rawEndPrefixMapping(KORContainerObject* prefix);
 public:
  virtual void endPrefixMapping(CQURString& prefix);
 private:
  virtual void rawIgnorableWhitespace(KORContainerObject* text);
 public:
  virtual void ignorableWhitespace(CQURString& text);
 private:
  virtual void rawProcessingInstruction(KORContainerObject* target, KORContainerObject* data);
 public:
  virtual void processingInstruction(CQURString& target, CQURString& data);
 private:
  virtual void rawSetDocumentLocator(KORContainerObject* locator);
 public:
  virtual void setDocumentLocator(CQURLocator& locator);
  virtual void startDocument();
 private:
  virtual void rawStartElement(KORContainerObject* uri, KORContainerObject* localName,
                               KORContainerObject* qualifiedName, KORContainerObject* attributes);
 public:
  virtual void startElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName,
                            CQURAttributes& attributes);
 private:
  virtual void rawStartPrefixMapping(KORContainerObject* prefix, KORContainerObject* uri);
 public:
  virtual void startPrefixMapping(CQURString& prefix, CQURString& uri);
 private:
  virtual void rawSkippedEntity(KORContainerObject* name);
 public:
  virtual void skippedEntity(CQURString& name);
 private:
  virtual void rawReservedText(KORContainerObject* text);
 public:
  // Two entries of the parser's table that it never calls.
  virtual void reservedText(CQURString& text);
 private:
  virtual void rawReservedDeclaration(KORContainerObject* a, KORContainerObject* b, KORContainerObject* c,
                                      KORContainerObject* d);
 public:
  virtual void reservedDeclaration(CQURString& a, CQURString& b, CQURString& c, CQURString& d);
  virtual void selfDestruct();

 private:
  friend class CQURAdapterEntries;
};
