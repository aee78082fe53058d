/// @file
/// XMLContentHandler: builds an XMLDocument from the parser's callbacks. The
/// first element becomes the document; every later element, text run and
/// attribute is appended under the element that is open. Each characters call
/// makes a text node of its own, so one run of text may arrive as several
/// adjacent nodes. Names are taken as written (namespace processing is off);
/// texts arrive with references already resolved and are stored unchanged.
///
/// The handler owns the tree until TakeDocument hands it out: a tree still
/// held when the handler is destroyed (a parse that failed) is destroyed with it.
#pragma once

#include "ArborixExport.h"
#include "arborix/XMLDocument.h"
#include "arborix/client/HQURContentHandlerBase.h"

/// Builds an XMLDocument from the parser's callbacks.
class ARBORIX_EXPORT XMLContentHandler : public HQURContentHandlerBase {
 public:
  /// With `ignoreWhitespace`, ignorableWhitespace drops its text.
  explicit XMLContentHandler(bool ignoreWhitespace);
  XMLContentHandler(const XMLContentHandler&) = delete;
  XMLContentHandler& operator=(const XMLContentHandler&) = delete;
  ~XMLContentHandler() override;

  /// Appends a text node holding `text` under the open element; text outside
  /// the root element is dropped.
  void characters(CQURString& text) override;
  /// As characters, unless whitespace is ignored: then drops `text`.
  void ignorableWhitespace(CQURString& text) override;
  /// Starts over: no element is open and the document is not complete.
  void startDocument() override;
  /// Marks the document complete.
  void endDocument() override;
  /// The first element becomes the document, a later one is appended under
  /// the open element; either gets its attributes in order and is opened. A
  /// second root element is dropped.
  void startElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName,
                    CQURAttributes& attributes) override;
  /// Closes the open element: its parent is open again.
  void endElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName) override;

  /// Whether the parser has reported the end of the document.
  virtual bool IsComplete() const;
  /// The tree built so far (null before the first element); the caller owns
  /// it from now on and the handler forgets it.
  virtual XMLDocument* TakeDocument();

 private:
  void AppendText(CQURString& text);

  bool complete_ = false;
  const bool ignoreWhitespace_;
  XMLDocument* document_ = nullptr;
  XMLElementNode* current_ = nullptr;
};
