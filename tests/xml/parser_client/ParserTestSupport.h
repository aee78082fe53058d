// Small in-memory streams and recording handlers for driving the parser
// through the client layer in tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "arborix/client/CQURSAX2Parser.h"
#include "arborix/client/HQURBinInputStreamBase.h"
#include "arborix/client/HQURContentHandlerBase.h"
#include "arborix/client/HQURErrorHandlerBase.h"

namespace parser_test {

// Counts destructions, so that tests can tell when the parser let an object go.
struct Lifetimes {
  int streamsDestroyed = 0;
  int contentHandlersDestroyed = 0;
  int errorHandlersDestroyed = 0;
};

// Serves `bytes` in reads of at most `chunk` bytes.
class MemoryStream : public HQURBinInputStreamBase {
 public:
  MemoryStream(std::string bytes, Lifetimes* lifetimes = nullptr, std::size_t chunk = SIZE_MAX)
      : bytes_(std::move(bytes)), lifetimes_(lifetimes), chunk_(chunk) {}
  ~MemoryStream() override {
    if (lifetimes_ != nullptr) ++lifetimes_->streamsDestroyed;
  }
  std::uint32_t curPos() const override { return static_cast<std::uint32_t>(position_); }
  unsigned int readBytes(unsigned char* const buffer, unsigned int maximum) override {
    if (failAt_ != SIZE_MAX && position_ >= failAt_) throw std::runtime_error("disk on fire");
    const std::size_t count = std::min({static_cast<std::size_t>(maximum), bytes_.size() - position_, chunk_});
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return static_cast<unsigned int>(count);
  }
  // The read that starts at or beyond `offset` throws.
  void FailAt(std::size_t offset) { failAt_ = offset; }

 private:
  std::string bytes_;
  Lifetimes* lifetimes_;
  std::size_t chunk_;
  std::size_t position_ = 0;
  std::size_t failAt_ = SIZE_MAX;
};

// Writes each callback as one line: "start a x=1 y=2", "chars hi", "end a"...
class RecordingContentHandler : public HQURContentHandlerBase {
 public:
  RecordingContentHandler(std::vector<std::u16string>* events, Lifetimes* lifetimes = nullptr)
      : events_(events), lifetimes_(lifetimes) {}
  ~RecordingContentHandler() override {
    if (lifetimes_ != nullptr) ++lifetimes_->contentHandlersDestroyed;
  }
  void startDocument() override { events_->push_back(u"startDocument"); }
  void endDocument() override { events_->push_back(u"endDocument"); }
  void startElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName,
                    CQURAttributes& attributes) override {
    // Namespace processing is off: no URI, and the qualified name is the name as written.
    std::u16string line = u"start " + uri.GetText() + localName.GetText();
    if (qualifiedName.GetText() != localName.GetText()) line += u" (qualified name differs)";
    for (std::int32_t i = 0; i < attributes.getLength(); ++i) {
      std::u16string name;
      std::u16string value;
      if (attributes.getLocalName(i, name) && attributes.getValueByIx(i, value)) line += u" " + name + u"=" + value;
    }
    events_->push_back(line);
    if (onStartElement) onStartElement(localName, attributes);
  }
  void endElement(CQURString&, CQURString& localName, CQURString&) override {
    events_->push_back(u"end " + localName.GetText());
  }
  void characters(CQURString& text) override {
    events_->push_back(u"chars " + text.GetText());
    if (onCharacters) onCharacters(text);
  }
  void processingInstruction(CQURString& target, CQURString& data) override {
    events_->push_back(u"pi " + target.GetText() + u" " + data.GetText());
  }
  void setDocumentLocator(CQURLocator& locator) override { locator_ = locator; }

  std::function<void(CQURString&, CQURAttributes&)> onStartElement;
  std::function<void(CQURString&)> onCharacters;
  CQURLocator locator_;

 private:
  std::vector<std::u16string>* events_;
  Lifetimes* lifetimes_;
};

struct RecordedError {
  std::string kind;  // "warning", "error" or "fatal"
  std::string component;
  std::intptr_t id;
};

// Records what it is told; fatal errors are recorded and, as by default, thrown.
class RecordingErrorHandler : public HQURErrorHandlerBase {
 public:
  RecordingErrorHandler(std::vector<RecordedError>* errors, Lifetimes* lifetimes = nullptr)
      : errors_(errors), lifetimes_(lifetimes) {}
  ~RecordingErrorHandler() override {
    if (lifetimes_ != nullptr) ++lifetimes_->errorHandlersDestroyed;
  }
  void warning(const CKORError& e) override { errors_->push_back({"warning", e.Component(), e.ID()}); }
  void error(const CKORError& e) override { errors_->push_back({"error", e.Component(), e.ID()}); }
  void fatalError(const CKORError& e) override {
    errors_->push_back({"fatal", e.Component(), e.ID()});
    HQURErrorHandlerBase::fatalError(e);
  }

 private:
  std::vector<RecordedError>* errors_;
  Lifetimes* lifetimes_;
};

// A parser with both features off, as every parse of the library sets it up.
inline CQURSAX2Parser NewPlainParser() {
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
  parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
  return parser;
}

// Parses `bytes` with a recording content handler; returns the events.
inline std::vector<std::u16string> Events(const std::string& bytes, std::size_t chunk = SIZE_MAX) {
  std::vector<std::u16string> events;
  CQURSAX2Parser parser = NewPlainParser();
  parser.A_setContentHandler(new RecordingContentHandler(&events));
  parser.A_parse(new MemoryStream(bytes, nullptr, chunk));
  return events;
}

// The bytes of `text` as UTF-16LE (or BE), without byte-order mark.
inline std::string UTF16Bytes(const std::u16string& text, bool bigEndian = false) {
  std::string bytes;
  for (char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

}  // namespace parser_test
