#include "arborix/XMLContentHandler.h"

#include <cstdint>
#include <memory>

#include "arborix/XMLAttributeObj.h"
#include "arborix/XMLTextNode.h"

XMLContentHandler::XMLContentHandler(bool ignoreWhitespace) : ignoreWhitespace_(ignoreWhitespace) {}

XMLContentHandler::~XMLContentHandler() { delete document_; }

void XMLContentHandler::startDocument() {
  complete_ = false;
  current_ = nullptr;
}

void XMLContentHandler::endDocument() { complete_ = true; }

void XMLContentHandler::startElement(CQURString&, CQURString& localName, CQURString&,
                                     CQURAttributes& attributes) {
  const UTF16String name = localName.GetText();
  if (document_ == nullptr) {
    document_ = new XMLDocument(name);
    current_ = document_;
  } else if (current_ != nullptr) {
    // A new node, listed nowhere and childless, needs none of InsertChild's
    // checks: it is appended as it is.
    auto* element = new XMLElementNode(nullptr, name);
    current_->AdoptChild(element);
    current_ = element;
  } else {
    // A second root: the parser reports it as a fault, so nothing is kept.
    return;
  }
  const std::int32_t count = attributes.getLength();
  UTF16String attributeName;
  UTF16String value;
  for (std::int32_t index = 0; index < count; ++index) {
    if (!attributes.getLocalName(index, attributeName) || !attributes.getValueByIx(index, value)) continue;
    auto attribute = std::make_unique<XMLAttributeObj>(current_, attributeName, value);
    current_->InsertAttribute(attribute.get(), nullptr);
    attribute.release();
  }
}

void XMLContentHandler::endElement(CQURString&, CQURString&, CQURString&) {
  if (current_ == nullptr) return;
  // Every element here was inserted into an element by this handler, and the
  // document's parent is null: the parent is an element or nothing.
  current_ = static_cast<XMLElementNode*>(current_->GetParent());
}

void XMLContentHandler::characters(CQURString& text) { AppendText(text); }

void XMLContentHandler::ignorableWhitespace(CQURString& text) {
  if (!ignoreWhitespace_) AppendText(text);
}

// Text outside the root element has no element to go to and is dropped.
void XMLContentHandler::AppendText(CQURString& text) {
  if (current_ == nullptr) return;
  current_->AdoptChild(new XMLTextNode(nullptr, text.GetText()));
}

bool XMLContentHandler::IsComplete() const { return complete_; }

XMLDocument* XMLContentHandler::TakeDocument() {
  current_ = nullptr;
  XMLDocument* document = document_;
  document_ = nullptr;
  return document;
}
