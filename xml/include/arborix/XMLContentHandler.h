// XMLContentHandler: builds an XMLDocument from the parser's callbacks. The
// first element becomes the document; every later element, text run and
// attribute is appended under the element that is open. Each characters call
// makes a text node of its own, so one run of text may arrive as several
// adjacent nodes. Names are taken as written (namespace processing is off);
// texts arrive with references already resolved and are stored unchanged.
//
// The handler owns the tree until TakeDocument hands it out: a tree still
// held when the handler is destroyed (a parse that failed) is destroyed with it.
#pragma once

#include "ArborixExport.h"
#include "arborix/HQURContentHandlerBase.h"
#include "arborix/XMLDocument.h"

class ARBORIX_EXPORT XMLContentHandler : public HQURContentHandlerBase {
 public:
  // With `ignoreWhitespace`, ignorableWhitespace drops its text.
  explicit XMLContentHandler(bool ignoreWhitespace);
  XMLContentHandler(const XMLContentHandler&) = delete;
  XMLContentHandler& operator=(const XMLContentHandler&) = delete;
  ~XMLContentHandler() override;

  void characters(CQURString& text) override;
  void ignorableWhitespace(CQURString& text) override;
  void startDocument() override;
  void endDocument() override;
  void startElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName,
                    CQURAttributes& attributes) override;
  void endElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName) override;

  // Whether the parser has reported the end of the document.
  virtual bool IsComplete() const;
  // The tree built so far (null before the first element); the caller owns
  // it from now on and the handler forgets it.
  virtual XMLDocument* TakeDocument();

 private:
  void AppendText(CQURString& text);

  bool complete_ = false;
  const bool ignoreWhitespace_;
  XMLDocument* document_ = nullptr;
  XMLElementNode* current_ = nullptr;
};
