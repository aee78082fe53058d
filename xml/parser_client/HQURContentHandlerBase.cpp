#include "arborix/client/HQURContentHandlerBase.h"

ZQURContentHandlerPrototype::~ZQURContentHandlerPrototype() = default;
HQURContentHandlerBase::~HQURContentHandlerBase() = default;

// Each raw operation holds the parser's handles for the length of the typed
// call. The parser keeps its own reference to each until the callback returns:
// the holders borrow it, and count a reference only for what a handler keeps.
void HQURContentHandlerBase::rawCharacters(KORContainerObject* text) {
  CQURString held(CQURHandle::Borrow(text));
  characters(held);
}

void HQURContentHandlerBase::rawEndElement(KORContainerObject* uri, KORContainerObject* localName,
                                           KORContainerObject* qualifiedName) {
  CQURString heldURI(CQURHandle::Borrow(uri));
  CQURString heldLocalName(CQURHandle::Borrow(localName));
  CQURString heldQualifiedName(CQURHandle::Borrow(qualifiedName));
  endElement(heldURI, heldLocalName, heldQualifiedName);
}

void HQURContentHandlerBase::rawEndPrefixMapping(KORContainerObject* prefix) {
  CQURString held(CQURHandle::Borrow(prefix));
  endPrefixMapping(held);
}

void HQURContentHandlerBase::rawIgnorableWhitespace(KORContainerObject* text) {
  CQURString held(CQURHandle::Borrow(text));
  ignorableWhitespace(held);
}

void HQURContentHandlerBase::rawProcessingInstruction(KORContainerObject* target, KORContainerObject* data) {
  CQURString heldTarget(CQURHandle::Borrow(target));
  CQURString heldData(CQURHandle::Borrow(data));
  processingInstruction(heldTarget, heldData);
}

void HQURContentHandlerBase::rawSetDocumentLocator(KORContainerObject* locator) {
  CQURLocator held(locator);
  setDocumentLocator(held);
}

void HQURContentHandlerBase::rawStartElement(KORContainerObject* uri, KORContainerObject* localName,
                                             KORContainerObject* qualifiedName, KORContainerObject* attributes) {
  CQURString heldURI(CQURHandle::Borrow(uri));
  CQURString heldLocalName(CQURHandle::Borrow(localName));
  CQURString heldQualifiedName(CQURHandle::Borrow(qualifiedName));
  CQURAttributes heldAttributes(CQURHandle::Borrow(attributes));
  startElement(heldURI, heldLocalName, heldQualifiedName, heldAttributes);
}

void HQURContentHandlerBase::rawStartPrefixMapping(KORContainerObject* prefix, KORContainerObject* uri) {
  CQURString heldPrefix(CQURHandle::Borrow(prefix));
  CQURString heldURI(CQURHandle::Borrow(uri));
  startPrefixMapping(heldPrefix, heldURI);
}

void HQURContentHandlerBase::rawSkippedEntity(KORContainerObject* name) {
  CQURString held(CQURHandle::Borrow(name));
  skippedEntity(held);
}

void HQURContentHandlerBase::rawReservedText(KORContainerObject* text) {
  CQURString held(CQURHandle::Borrow(text));
  reservedText(held);
}

void HQURContentHandlerBase::rawReservedDeclaration(KORContainerObject* a, KORContainerObject* b,
                                                    KORContainerObject* c, KORContainerObject* d) {
  CQURString heldA(CQURHandle::Borrow(a));
  CQURString heldB(CQURHandle::Borrow(b));
  CQURString heldC(CQURHandle::Borrow(c));
  CQURString heldD(CQURHandle::Borrow(d));
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
