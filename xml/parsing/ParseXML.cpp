#include "arborix/ParseXML.h"

#include <memory>
#include <utility>

#include "arborix/CQURSAX2Parser.h"
#include "arborix/FileBasedQURInputStream.h"
#include "arborix/UnicodeStringBasedQURInputStream.h"
#include "arborix/XMLContentHandler.h"
#include "arborix/XMLErrorHandler.h"
#include "parser_client/ParserTurn.h"

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

// The handlers and the stream of one parse. Each is owned here until the
// parser takes it (a hand-over that throws still gives it away); the handlers
// stay usable through the pointers kept here until the parser is released,
// which destroys them, and with them a tree that was not taken out.
class ParseRun {
 public:
  ParseRun(std::unique_ptr<HQURBinInputStreamBase> stream, std::unique_ptr<XMLContentHandler> content,
           std::unique_ptr<XMLErrorHandler> errors)
      : stream_(std::move(stream)), content_(std::move(content)), errors_(std::move(errors)),
        builder_(content_.get()) {}

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

 private:
  std::unique_ptr<HQURBinInputStreamBase> stream_;
  std::unique_ptr<XMLContentHandler> content_;
  std::unique_ptr<XMLErrorHandler> errors_;
  XMLContentHandler* builder_;
  // Set once the parser holds the error handler: only then can it record.
  const XMLErrorHandler* recorder_ = nullptr;
};

// Whatever ended the parse, the last error the parser recorded names the status.
XMLParseStatus FailureStatus(const ParseRun& run) {
  XMLParseStatus status = XMLParseFailed;
  run.RecordedStatus(status);
  return status;
}

}  // namespace

XMLParseStatus ParseXMLFile(File& file, bool ignoreWhitespace, XMLDocument** document) {
  if (document != nullptr) *document = nullptr;
  const ParserTurn turn;
  CQURSAX2Parser parser = NewParser();
  auto stream = std::make_unique<FileBasedQURInputStream>(file);
  auto content = std::make_unique<XMLContentHandler>(ignoreWhitespace);
  auto errors = std::make_unique<XMLErrorHandler>();
  ParseRun run(std::move(stream), std::move(content), std::move(errors));
  XMLParseStatus status;
  try {
    run.Run(parser);
    status = run.Deliver(document);
  } catch (...) {
    status = FailureStatus(run);
  }
  parser.Release();
  return status;
}

XMLParseStatus ParseXMLBuffer(const UTF16String& buffer, bool ignoreWhitespace, XMLDocument** document) {
  if (document != nullptr) *document = nullptr;
  const ParserTurn turn;
  CQURSAX2Parser parser = NewParser();
  auto errors = std::make_unique<XMLErrorHandler>();
  auto stream = std::make_unique<BufferInputStream>(buffer);
  auto content = std::make_unique<XMLContentHandler>(ignoreWhitespace);
  ParseRun run(std::move(stream), std::move(content), std::move(errors));
  XMLParseStatus status;
  try {
    run.Run(parser);
    if (!run.RecordedStatus(status)) status = run.Deliver(document);
  } catch (...) {
    status = FailureStatus(run);
  }
  parser.Release();
  return status;
}
