#include "ParseFaultLocation.h"

#include <memory>
#include <string_view>

#include "Arborix.h"
#include "StandardInput.h"

namespace atelier {

const char* StatusName(XMLParseStatus status) {
  switch (status) {
    case XMLParseOK:
      return "XMLParseOK";
    case XMLParseTagMismatch:
      return "XMLParseTagMismatch";
    case XMLParseBadEncoding:
      return "XMLParseBadEncoding";
    case XMLParseNoRootElement:
      return "XMLParseNoRootElement";
    case XMLParseFailed:
      return "XMLParseFailed";
    case XMLParseNotWellFormed:
      return "XMLParseNotWellFormed";
    case XMLParseUndefinedEntity:
      return "XMLParseUndefinedEntity";
  }
  return "XMLParseFailed";
}

namespace {

// Builds nothing; keeps the parser's locator, which tells where the parser
// stands while it reports a fault, and whether an element began.
class LocatorKeeper : public HQURContentHandlerBase {
 public:
  void setDocumentLocator(CQURLocator& locator) override { locator_ = locator; }
  void startElement(CQURString&, CQURString&, CQURString&, CQURAttributes&) override { sawElement_ = true; }
  const CQURLocator& Locator() const { return locator_; }
  bool SawElement() const { return sawElement_; }

 private:
  CQURLocator locator_;
  bool sawElement_ = false;
};

// Records the status of the parser's last fault, and where it stands then.
class FaultRecorder : public XMLErrorHandler {
 public:
  FaultRecorder(const LocatorKeeper& keeper, std::optional<ParseFaultLocation>& fault)
      : keeper_(keeper), fault_(fault) {}

  void error(const CKORError& error) override {
    XMLErrorHandler::error(error);
    Record(error);
  }
  void fatalError(const CKORError& error) override {
    XMLErrorHandler::fatalError(error);
    Record(error);
  }

 private:
  void Record(const CKORError& error) {
    if (error.Component() != "QURParser") return;
    ParseFaultLocation fault{keeper_.Locator().getLineNumber(), keeper_.Locator().getColumnNumber(), error.what()};
    const std::string position =
        " at line " + std::to_string(fault.line) + ", column " + std::to_string(fault.column);
    if (std::string_view(fault.message).ends_with(position)) fault.message.resize(fault.message.size() - position.size());
    fault_ = fault;
  }

  const LocatorKeeper& keeper_;
  std::optional<ParseFaultLocation>& fault_;
};

// The bytes of a stream, unchanged, for the parser.
class ByteStreamQURInputStream : public HQURBinInputStreamBase {
 public:
  explicit ByteStreamQURInputStream(IByteStream& in) : in_(in) {}
  unsigned int readBytes(unsigned char* const buffer, unsigned int maximum) override {
    return in_.ReadBlock(buffer, maximum);
  }
  std::uint32_t curPos() const override { return in_.GetPosition(); }

 private:
  IByteStream& in_;
};

}  // namespace

XMLCheck CheckXMLFile(File& file, const std::string& name, bool showProgress) {
  InputBytes input(file, name, showProgress);
  return CheckXML(input.Stream());
}

XMLCheck CheckXML(IByteStream& in) {
  XMLCheck check;
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
  parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
  auto keeper = std::make_unique<LocatorKeeper>();
  auto recorder = std::make_unique<FaultRecorder>(*keeper, check.fault);
  auto stream = std::make_unique<ByteStreamQURInputStream>(in);
  const LocatorKeeper& elements = *keeper;
  const FaultRecorder& faults = *recorder;
  try {
    parser.A_setContentHandler(keeper.release());
    parser.A_setErrorHandler(recorder.release());
    parser.A_parse(stream.release());
    if (!elements.SawElement()) check.status = XMLParseNoRootElement;
  } catch (const std::exception& e) {
    // A fault the parser reported names the status; anything else (the file
    // could not be read) is a failure of its own.
    check.status = faults.Status();
    if (!faults.HasError()) check.fault = ParseFaultLocation{0, 0, e.what()};
  }
  parser.Release();
  return check;
}

std::string DescribeParseFailure(const std::string& path, const XMLCheck& check) {
  if (!check.fault) return path + ": " + StatusName(check.status);
  if (check.fault->line == 0) return path + ": " + check.fault->message + " (" + StatusName(check.status) + ")";
  return path + ":" + std::to_string(check.fault->line) + ":" + std::to_string(check.fault->column) + ": " +
         check.fault->message + " (" + StatusName(check.status) + ")";
}

std::string DescribeParseFailure(const std::string& path, File& file, XMLParseStatus status) {
  XMLCheck check = CheckXMLFile(file);
  check.status = status;
  return DescribeParseFailure(path, check);
}

}  // namespace atelier
