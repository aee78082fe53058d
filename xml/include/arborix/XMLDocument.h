// XMLDocument: the root element of a tree and the owner of all of it. It also
// holds the XML and DOCTYPE declarations written before the root element, an
// ignore-whitespace flag and a loaded flag for the caller, and the status of
// the parse that made it.
#pragma once

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/XMLElementNode.h"
#include "arborix/XMLParseStatus.h"

class ARBORIX_EXPORT XMLDocument : public XMLElementNode {
 public:
  // A document without parent, with the declaration <?xml version='1.0'?>,
  // no DOCTYPE declaration, both flags false and the status XMLParseOK.
  explicit XMLDocument(const UTF16String& name);
  ~XMLDocument() override;

  XMLNodeType GetNodeType() override;  // XMLDocumentType
  // The XML declaration and the DOCTYPE declaration (each only if not
  // empty), then the element form, with no line break anywhere.
  void AppendXML(UTF16String& out) override;
  // A new document with the same name and declarations; with `deep`, copies
  // of all children. Attributes and flags are not copied.
  XMLBase* Clone(bool deep) const override;

  void SetXMLDecl(UTF16String& declaration);
  void GetXMLDecl(UTF16String& declaration) const;
  void SetDocTypeDecl(UTF16String& declaration);
  void GetDocTypeDecl(UTF16String& declaration) const;
  bool GetIgnoreWhitespace();
  void SetIgnoreWhitespace(bool ignore);
  bool GetLoaded();
  void SetLoaded(bool loaded);
  XMLParseStatus GetParseStatus();
  void SetParseStatus(XMLParseStatus status);

 protected:
  // Destroys the document and its tree unless a node below it is locked. A
  // document still listed under an element is taken out of that list first.
  void Release() override;

 private:
  UTF16String xmlDecl_;
  UTF16String docTypeDecl_;
  bool ignoreWhitespace_;
  bool loaded_;
  XMLParseStatus parseStatus_;
};
