#include "arborix/HQURContentHandlerBase.h"

ZQURContentHandlerPrototype::~ZQURContentHandlerPrototype() = default;
HQURContentHandlerBase::~HQURContentHandlerBase() = default;

// Each raw operation holds the parser's handles for the length of the typed call.
void HQURContentHandlerBase::rawCharacters(KORContainerObject* text) {
  CQURString held(text);
  characters(held);
}

void HQURContentHandlerBase::rawEndElement(KORContainerObject* uri, KORContainerObject* localName,
                                           KORContainerObject* qualifiedName) {
  CQURString heldURI(uri);
  CQURString heldLocalName(localName);
  CQURString heldQualifiedName(qualifiedName);
  endElement(heldURI, heldLocalName, heldQualifiedName);
}

void HQURContentHandlerBase::rawEndPrefixMapping(KORContainerObject* prefix) {
  CQURString held(prefix);
  endPrefixMapping(held);
}

void HQURContentHandlerBase::rawIgnorableWhitespace(KORContainerObject* text) {
  CQURString held(text);
  ignorableWhitespace(held);
}

void HQURContentHandlerBase::rawProcessingInstruction(KORContainerObject* target, KORContainerObject* data) {
  CQURString heldTarget(target);
  CQURString heldData(data);
  processingInstruction(heldTarget, heldData);
}

void HQURContentHandlerBase::rawSetDocumentLocator(KORContainerObject* locator) {
  CQURLocator held(locator);
  setDocumentLocator(held);
}

void HQURContentHandlerBase::rawStartElement(KORContainerObject* uri, KORContainerObject* localName,
                                             KORContainerObject* qualifiedName, KORContainerObject* attributes) {
  CQURString heldURI(uri);
  CQURString heldLocalName(localName);
  CQURString heldQualifiedName(qualifiedName);
  CQURAttributes heldAttributes(attributes);
  startElement(heldURI, heldLocalName, heldQualifiedName, heldAttributes);
}

void HQURContentHandlerBase::rawStartPrefixMapping(KORContainerObject* prefix, KORContainerObject* uri) {
  CQURString heldPrefix(prefix);
  CQURString heldURI(uri);
  startPrefixMapping(heldPrefix, heldURI);
}

void HQURContentHandlerBase::rawSkippedEntity(KORContainerObject* name) {
  CQURString held(name);
  skippedEntity(held);
}

void HQURContentHandlerBase::rawReservedText(KORContainerObject* text) {
  CQURString held(text);
  reservedText(held);
}

void HQURContentHandlerBase::rawReservedDeclaration(KORContainerObject* a, KORContainerObject* b,
                                                    KORContainerObject* c, KORContainerObject* d) {
  CQURString heldA(a);
  CQURString heldB(b);
  CQURString heldC(c);
  CQURString heldD(d);
  reservedDeclaration(heldA, heldB, heldC, heldD);
}

void HQURContentHandlerBase::characters(CQURString&) {}
void HQURContentHandlerBase::endDocument() {}
void HQURContentHandlerBase::endElement(CQURString&, CQURString&, CQURString&) {}
void HQURContentHandlerBase::endPrefixMapping(CQURString&) {}
void HQURContentHandlerBase::ignorableWhitespace(CQURString&) {}
void HQURContentHandlerBase::processingInstruction(CQURString&, CQURString&) {}
void HQURContentHandlerBase::setDocumentLocator(CQURLocator&) {}
void HQURContentHandlerBase::startDocument() {}
void HQURContentHandlerBase::startElement(CQURString&, CQURString&, CQURString&, CQURAttributes&) {}
void HQURContentHandlerBase::startPrefixMapping(CQURString&, CQURString&) {}
void HQURContentHandlerBase::skippedEntity(CQURString&) {}
void HQURContentHandlerBase::reservedText(CQURString&) {}
void HQURContentHandlerBase::reservedDeclaration(CQURString&, CQURString&, CQURString&, CQURString&) {}
void HQURContentHandlerBase::selfDestruct() { delete this; }
