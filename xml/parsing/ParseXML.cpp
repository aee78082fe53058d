#include "arborix/ParseXML.h"

#include <memory>
#include <string>
#include <utility>

#include "arborix/FileBasedQURInputStream.h"
#include "arborix/UnicodeStringBasedQURInputStream.h"
#include "arborix/XMLContentHandler.h"
#include "arborix/XMLErrorHandler.h"
#include "arborix/XMLFaultRecorder.h"
#include "arborix/client/CQURSAX2Parser.h"
#include "parser_client/ParserTurn.h"
#include "parsing/FaultLocatingHandler.h"
#include "parsing/FaultOfParse.h"

using arborix_internal::FaultLocatingHandler;
using arborix_internal::ParserTurn;

namespace {

// The buffer's stream: the buffer outlives the parse and nothing changes it
// meanwhile, so the stream reads it where it lies.
class BufferInputStream final : public UnicodeStringBasedQURInputStream {
 public:
  explicit BufferInputStream(const UTF16String& buffer) : UnicodeStringBasedQURInputStream(ReadInPlace{}, buffer) {}
};

// The parser every parse starts from. Failures here are the caller's to see.
CQURSAX2Parser NewParser() {
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
  parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
  return parser;
}

// The handlers of one parse: the plain ones, or, when the caller asks where
// the parse failed, ones that also record the parser's fault and its place.
struct Handlers {
  std::unique_ptr<XMLContentHandler> content;
  std::unique_ptr<XMLErrorHandler> errors;
  const XMLFaultRecorder* recorder = nullptr;  // errors, when it records faults
};

Handlers NewHandlers(bool ignoreWhitespace, bool recordFault) {
  Handlers handlers;
  if (!recordFault) {
    handlers.errors = std::make_unique<XMLErrorHandler>();
    handlers.content = std::make_unique<XMLContentHandler>(ignoreWhitespace);
    return handlers;
  }
  auto recorder = std::make_unique<XMLFaultRecorder>();
  handlers.content = std::make_unique<FaultLocatingHandler<XMLContentHandler>>(*recorder, ignoreWhitespace);
  handlers.recorder = recorder.get();
  handlers.errors = std::move(recorder);
  return handlers;
}

// The handlers and the stream of one parse. Each is owned here until the
// parser takes it (a hand-over that throws still gives it away); the handlers
// stay usable through the pointers kept here until the parser is released,
// which destroys them, and with them a tree that was not taken out.
class ParseRun {
 public:
  ParseRun(std::unique_ptr<HQURBinInputStreamBase> stream, Handlers handlers)
      : stream_(std::move(stream)), content_(std::move(handlers.content)), errors_(std::move(handlers.errors)),
        builder_(content_.get()), faults_(handlers.recorder) {}

  void Run(CQURSAX2Parser& parser) {
    parser.A_setContentHandler(content_.release());
    XMLErrorHandler* errors = errors_.get();
    parser.A_setErrorHandler(errors_.release());
    recorder_ = errors;
    parser.A_parse(stream_.release());
  }

  // The status of the last error the parser reported, if it reported one.
  bool RecordedStatus(XMLParseStatus& status) const {
    if (recorder_ == nullptr || !recorder_->HasError()) return false;
    status = recorder_->Status();
    return true;
  }

  // Hands the tree to the caller (or leaves it to be destroyed with the
  // handler when the caller wants only the status). A parse that reported no
  // element made no document and fails.
  XMLParseStatus Deliver(XMLDocument** document) {
    if (document == nullptr) return XMLParseOK;
    XMLDocument* tree = builder_->TakeDocument();
    if (tree == nullptr) return XMLParseNoRootElement;
    tree->SetLoaded(true);
    *document = tree;
    return XMLParseOK;
  }

  // Fills `fault`, when the caller asked for one, for a parse that gave
  // `status`; `reason` is what ended the parse. Before the parser is released.
  void Report(XMLParseFault* fault, XMLParseStatus status, std::string reason) const {
    if (fault != nullptr) *fault = arborix_internal::FaultOfParse(status, *faults_, std::move(reason));
  }

 private:
  std::unique_ptr<HQURBinInputStreamBase> stream_;
  std::unique_ptr<XMLContentHandler> content_;
  std::unique_ptr<XMLErrorHandler> errors_;
  XMLContentHandler* builder_;
  // The error handler as a fault recorder, when the caller asked for the fault.
  const XMLFaultRecorder* faults_;
  // Set once the parser holds the error handler: only then can it record.
  const XMLErrorHandler* recorder_ = nullptr;
};

// Whatever ended the parse, the last error the parser recorded names the status.
XMLParseStatus FailureStatus(const ParseRun& run) {
  XMLParseStatus status = XMLParseFailed;
  run.RecordedStatus(status);
  return status;
}

// ParseXMLFile, and where the parse failed when `fault` is not null.
XMLParseStatus ParseFile(File& file, bool ignoreWhitespace, XMLDocument** document, XMLParseFault* fault) {
  if (document != nullptr) *document = nullptr;
  if (fault != nullptr) *fault = {};
  const ParserTurn turn;
  CQURSAX2Parser parser = NewParser();
  auto stream = std::make_unique<FileBasedQURInputStream>(file);
  ParseRun run(std::move(stream), NewHandlers(ignoreWhitespace, fault != nullptr));
  XMLParseStatus status;
  std::string reason;
  try {
    run.Run(parser);
    status = run.Deliver(document);
  } catch (...) {
    status = FailureStatus(run);
    if (fault != nullptr) reason = arborix_internal::MessageOfCurrentException();
  }
  run.Report(fault, status, std::move(reason));
  parser.Release();
  return status;
}

// ParseXMLBuffer, and where the parse failed when `fault` is not null.
XMLParseStatus ParseBuffer(const UTF16String& buffer, bool ignoreWhitespace, XMLDocument** document,
                           XMLParseFault* fault) {
  if (document != nullptr) *document = nullptr;
  if (fault != nullptr) *fault = {};
  const ParserTurn turn;
  CQURSAX2Parser parser = NewParser();
  Handlers handlers = NewHandlers(ignoreWhitespace, fault != nullptr);
  auto stream = std::make_unique<BufferInputStream>(buffer);
  ParseRun run(std::move(stream), std::move(handlers));
  XMLParseStatus status;
  std::string reason;
  try {
    run.Run(parser);
    if (!run.RecordedStatus(status)) status = run.Deliver(document);
  } catch (...) {
    status = FailureStatus(run);
    if (fault != nullptr) reason = arborix_internal::MessageOfCurrentException();
  }
  run.Report(fault, status, std::move(reason));
  parser.Release();
  return status;
}

}  // namespace

XMLParseStatus ParseXMLFile(File& file, bool ignoreWhitespace, XMLDocument** document) {
  return ParseFile(file, ignoreWhitespace, document, nullptr);
}

XMLParseStatus ParseXMLFile(File& file, bool ignoreWhitespace, XMLDocument** document, XMLParseFault& fault) {
  return ParseFile(file, ignoreWhitespace, document, &fault);
}

XMLParseStatus ParseXMLBuffer(const UTF16String& buffer, bool ignoreWhitespace, XMLDocument** document) {
  return ParseBuffer(buffer, ignoreWhitespace, document, nullptr);
}

XMLParseStatus ParseXMLBuffer(const UTF16String& buffer, bool ignoreWhitespace, XMLDocument** document,
                              XMLParseFault& fault) {
  return ParseBuffer(buffer, ignoreWhitespace, document, &fault);
}
