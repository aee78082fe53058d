#include "ParseFaultLocation.h"

#include <memory>
#include <string_view>

#include "Arborix.h"

namespace atelier {
namespace {

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


// Builds nothing; keeps the parser's locator, which tells where the parser
// stands while it reports a fault.
class LocatorKeeper : public HQURContentHandlerBase {
 public:
  void setDocumentLocator(CQURLocator& locator) override { locator_ = locator; }
  const CQURLocator& Locator() const { return locator_; }

 private:
  CQURLocator locator_;
};

class FaultRecorder : public HQURErrorHandlerBase {
 public:
  FaultRecorder(const LocatorKeeper& keeper, std::optional<ParseFaultLocation>& fault)
      : keeper_(keeper), fault_(fault) {}

  void error(const CKORError& error) override { Record(error); }
  void fatalError(const CKORError& error) override { Record(error); }

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

}  // namespace

std::optional<ParseFaultLocation> LocateParseFault(File& file) {
  std::optional<ParseFaultLocation> fault;
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
  parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
  auto keeper = std::make_unique<LocatorKeeper>();
  auto recorder = std::make_unique<FaultRecorder>(*keeper, fault);
  auto stream = std::make_unique<FileBasedQURInputStream>(file);
  try {
    parser.A_setContentHandler(keeper.release());
    parser.A_setErrorHandler(recorder.release());
    parser.A_parse(stream.release());
  } catch (const std::exception&) {
    // The fault, if the parser reported one, is recorded; this is its echo.
  }
  parser.Release();
  return fault;
}

std::string DescribeParseFailure(const std::string& path, File& file, XMLParseStatus status) {
  const std::optional<ParseFaultLocation> fault = LocateParseFault(file);
  if (!fault) return path + ": " + StatusName(status);
  return path + ":" + std::to_string(fault->line) + ":" + std::to_string(fault->column) + ": " + fault->message +
         " (" + StatusName(status) + ")";
}

}  // namespace atelier
