/// @file
/// XMLDocument: the root element of a tree and the owner of all of it. It also
/// holds the XML and DOCTYPE declarations written before the root element, an
/// ignore-whitespace flag and a loaded flag for the caller, and the status of
/// the parse that made it.
#pragma once

#include "ArborixExport.h"
#include "UTF16String.h"
#include "arborix/XMLElementNode.h"
#include "arborix/XMLParseStatus.h"

/// The root element of a tree and the owner of all of it.
class ARBORIX_EXPORT XMLDocument : public XMLElementNode {
 public:
  /// A document without parent, with the declaration `<?xml version='1.0'?>`,
  /// no DOCTYPE declaration, both flags false and the status XMLParseOK.
  explicit XMLDocument(const UTF16String& name);
  ~XMLDocument() override;

  XMLNodeType GetNodeType() override;  ///< XMLDocumentType
  /// The XML declaration and the DOCTYPE declaration (each only if not
  /// empty), then the element form, with no line break anywhere.
  void AppendXML(UTF16String& out) override;
  /// A new document with the same name and declarations; with `deep`, copies
  /// of all children. Attributes and flags are not copied.
  XMLBase* Clone(bool deep) const override;

  /// The XML declaration, written as it is stored (an empty one is not written).
  ///@{
  void SetXMLDecl(UTF16String& declaration);
  void GetXMLDecl(UTF16String& declaration) const;
  ///@}
  /// The DOCTYPE declaration, written as it is stored (an empty one is not written).
  ///@{
  void SetDocTypeDecl(UTF16String& declaration);
  void GetDocTypeDecl(UTF16String& declaration) const;
  ///@}
  /// The ignore-whitespace flag, kept for the caller.
  ///@{
  bool GetIgnoreWhitespace();
  void SetIgnoreWhitespace(bool ignore);
  ///@}
  /// The loaded flag, kept for the caller.
  ///@{
  bool GetLoaded();
  void SetLoaded(bool loaded);
  ///@}
  /// The status of the parse that made the document.
  ///@{
  XMLParseStatus GetParseStatus();
  void SetParseStatus(XMLParseStatus status);
  ///@}

 protected:
  /// Destroys the document and its tree unless a node below it is locked. A
  /// document still listed under an element is taken out of that list first.
  void Release() override;

 private:
  UTF16String xmlDecl_;
  UTF16String docTypeDecl_;
  bool ignoreWhitespace_;
  bool loaded_;
  XMLParseStatus parseStatus_;
};
