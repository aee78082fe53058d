#include "arborix/XMLDocument.h"

#include <memory>

#include "model/ElementTree.h"

XMLDocument::XMLDocument(const UTF16String& name)
    : XMLElementNode(nullptr, name),
      xmlDecl_(u"<?xml version='1.0'?>"),
      ignoreWhitespace_(false),
      loaded_(false),
      parseStatus_(XMLParseOK) {}

XMLDocument::~XMLDocument() = default;

XMLNodeType XMLDocument::GetNodeType() { return XMLDocumentType; }

void XMLDocument::AppendXML(UTF16String& out) {
  out += xmlDecl_;
  out += docTypeDecl_;
  XMLElementNode::AppendXML(out);
}

XMLBase* XMLDocument::Clone(bool deep) const {
  UTF16String name;
  GetValue(name);
  auto copy = std::make_unique<XMLDocument>(name);
  copy->docTypeDecl_ = docTypeDecl_;
  copy->xmlDecl_ = xmlDecl_;
  if (deep) {
    arborix_internal::CloneChildren(*this, *copy);
  }
  return copy.release();
}

void XMLDocument::SetXMLDecl(UTF16String& declaration) { xmlDecl_ = declaration; }

void XMLDocument::GetXMLDecl(UTF16String& declaration) const { declaration = xmlDecl_; }

void XMLDocument::SetDocTypeDecl(UTF16String& declaration) { docTypeDecl_ = declaration; }

void XMLDocument::GetDocTypeDecl(UTF16String& declaration) const { declaration = docTypeDecl_; }

bool XMLDocument::GetIgnoreWhitespace() { return ignoreWhitespace_; }

void XMLDocument::SetIgnoreWhitespace(bool ignore) { ignoreWhitespace_ = ignore; }

bool XMLDocument::GetLoaded() { return loaded_; }

void XMLDocument::SetLoaded(bool loaded) { loaded_ = loaded; }

XMLParseStatus XMLDocument::GetParseStatus() { return parseStatus_; }

void XMLDocument::SetParseStatus(XMLParseStatus status) { parseStatus_ = status; }

void XMLDocument::Release() {
  if (arborix_internal::HasLockedDescendant(*this)) {
    return;
  }
  // An element that still listed the document would destroy it a second time.
  arborix_internal::Unlist(*this);
  delete this;
}
