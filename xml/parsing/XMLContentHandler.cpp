#include "arborix/XMLContentHandler.h"

#include <cstdint>
#include <memory>
#include <utility>

#include "arborix/XMLAttributeObj.h"
#include "arborix/XMLTextNode.h"
#include "model/ElementTree.h"

using arborix_internal::NodeText;

XMLContentHandler::XMLContentHandler(bool ignoreWhitespace) : ignoreWhitespace_(ignoreWhitespace) {}

XMLContentHandler::~XMLContentHandler() { delete document_; }

void XMLContentHandler::startDocument() {
  complete_ = false;
  current_ = nullptr;
}

void XMLContentHandler::endDocument() { complete_ = true; }

namespace {

// The text of a parser string, converted once, straight into node memory.
NodeText NodeTextOf(CQURString& text) {
  NodeText stored;
  const std::int32_t most = text.MostUTF16Units();
  char16_t* room = stored.Prepare(static_cast<std::size_t>(most));
  stored.Keep(static_cast<std::size_t>(text.CopyUTF16(room, most)));
  return stored;
}

}  // namespace

void XMLContentHandler::startElement(CQURString&, CQURString& localName, CQURString&,
                                     CQURAttributes& attributes) {
  NodeText name = NodeTextOf(localName);
  if (document_ == nullptr) {
    document_ = new XMLDocument(UTF16String(name.View()));
    current_ = document_;
  } else if (current_ != nullptr) {
    // A new node, listed nowhere and childless, needs none of InsertChild's
    // checks: it is appended as it is.
    auto* element = new XMLElementNode(std::move(name));
    arborix_internal::AdoptChild(*current_, element);
    current_ = element;
  } else {
    // A second root: the parser reports it as a fault, so nothing is kept.
    return;
  }
  const std::int32_t count = attributes.getLength();
  // One holder for every answer: each is read before the next is asked for,
  // so the parser can answer in the same string every time.
  CQURString field;
  for (std::int32_t index = 0; index < count; ++index) {
    if (!attributes.getLocalName(index, field)) continue;
    NodeText attributeName = NodeTextOf(field);
    if (!attributes.getValueByIx(index, field)) continue;
    auto attribute = std::unique_ptr<XMLAttributeObj>(new XMLAttributeObj(std::move(attributeName), NodeTextOf(field)));
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
  arborix_internal::AdoptChild(*current_, new XMLTextNode(NodeTextOf(text)));
}

bool XMLContentHandler::IsComplete() const { return complete_; }

XMLDocument* XMLContentHandler::TakeDocument() {
  current_ = nullptr;
  XMLDocument* document = document_;
  document_ = nullptr;
  return document;
}
