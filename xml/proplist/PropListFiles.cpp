#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "arborix/FileBasedQURInputStream.h"
#include "arborix/PropListUtils.h"
#include "arborix/XMLFaultRecorder.h"
#include "arborix/client/CQURSAX2Parser.h"
#include "parser_client/ParserTurn.h"
#include "parsing/FaultLocatingHandler.h"
#include "parsing/FaultOfParse.h"
#include "proplist/PortableFileText.h"
#include "proplist/PropListMarkup.h"
#include "proplist/PropListXMLHandler.h"

using arborix_internal::FaultLocatingHandler;
using arborix_internal::PortableFileText;
using arborix_internal::PropListXMLHandler;

namespace {

constexpr std::uint32_t kBufferSize = 32768;
constexpr std::uint32_t kMinimumWrite = 4096;
constexpr std::string_view kHeader = "<?xml version='1.0' encoding='UTF-8'?>\n";

// Passes writes on to the file and remembers a failure, which the buffered
// stream can only signal by marking its sink failed while it is destroyed.
class FailureNotingSink : public OByteStream {
 public:
  explicit FailureNotingSink(OPlatformByteStream& file) : file_(file) {}

  void WriteByte(unsigned char byte) override { WriteBlock(&byte, 1); }
  void WriteBlock(const unsigned char* data, std::uint32_t count) override {
    try {
      file_.WriteBlock(data, count);
    } catch (...) {
      failed_ = true;
      throw;
    }
  }
  void MarkFailed() override {
    failed_ = true;
    file_.MarkFailed();
  }
  bool Failed() const { return failed_; }

 private:
  OPlatformByteStream& file_;
  bool failed_ = false;
};

void WriteBlock(OBufferedByteStream& out, std::string_view bytes) {
  out.WriteBlock(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()));
}

// The loader's handler when the caller asks what the load met: it also hands
// the document locator to the fault recorder and notes the first element's name.
class ReportingHandler final : public FaultLocatingHandler<PropListXMLHandler> {
 public:
  ReportingHandler(XMLFaultRecorder& recorder, PropList& list) : FaultLocatingHandler(recorder, list) {}

  void startElement(CQURString& uri, CQURString& localName, CQURString& qualifiedName,
                    CQURAttributes& attributes) override {
    if (!sawElement_) {
      rootElement_ = localName.GetText();
      sawElement_ = true;
    }
    FaultLocatingHandler::startElement(uri, localName, qualifiedName, attributes);
  }

  const UTF16String& RootElement() const { return rootElement_; }

 private:
  bool sawElement_ = false;
  UTF16String rootElement_;
};

// LoadPropList, and what the load met when `report` is not null. Only then
// does the parser get an error handler, which records its faults.
void Load(File& file, PropList& list, PropListLoadReport* report) {
  if (report != nullptr) *report = {};
  const arborix_internal::ParserTurn turn;
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
  parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
  auto stream = std::make_unique<FileBasedQURInputStream>(file);
  std::unique_ptr<PropListXMLHandler> handler;
  std::unique_ptr<XMLFaultRecorder> recorder;
  const ReportingHandler* reporting = nullptr;
  if (report == nullptr) {
    handler = std::make_unique<PropListXMLHandler>(list);
  } else {
    recorder = std::make_unique<XMLFaultRecorder>();
    auto noting = std::make_unique<ReportingHandler>(*recorder, list);
    reporting = noting.get();
    handler = std::move(noting);
  }
  // Both stay usable until the parser that takes them is released.
  const XMLFaultRecorder* faults = recorder.get();
  XMLParseStatus status = XMLParseOK;
  std::string reason;
  try {
    parser.A_setContentHandler(handler.release());
    if (recorder != nullptr) parser.A_setErrorHandler(recorder.release());
    parser.A_parse(stream.release());
  } catch (...) {
    // Whatever ended the parse early, a half-read list is worse than none.
    list.Clear();
    if (report != nullptr) {
      status = faults->Status();
      reason = arborix_internal::MessageOfCurrentException();
    }
  }
  if (report != nullptr) {
    report->fault = arborix_internal::FaultOfParse(status, *faults, std::move(reason));
    report->rootElement = reporting->RootElement();
  }
  parser.Release();
}

}  // namespace

namespace PropListUtils {

void SavePropList(const File& file, const PropList& list) {
  std::string text;
  list.AppendXML(text);
  // Checked before the file is opened: a list that cannot be saved faithfully
  // leaves the previous file in place.
  const std::string body = PortableFileText(text);
  std::string mapStart, mapEnd;
  arborix_internal::AppendStartLine(mapStart, PropListTags::kMap);
  arborix_internal::AppendEndLine(mapEnd, PropListTags::kMap);
  OPlatformByteStream platform(file);
  FailureNotingSink sink(platform);
  {
    OBufferedByteStream buffered(sink, kBufferSize, kMinimumWrite);
    WriteBlock(buffered, kHeader);
    WriteBlock(buffered, mapStart);
    WriteBlock(buffered, body);
    WriteBlock(buffered, mapEnd);
  }
  if (sink.Failed()) {
    throw FileError("cannot write '" + file.GetPath().string() + "': the last bytes could not be written",
                    file.GetPath());
  }
  platform.Close();
}

void LoadPropList(File& file, PropList& list) { Load(file, list, nullptr); }

void LoadPropList(File& file, PropList& list, PropListLoadReport& report) { Load(file, list, &report); }

}  // namespace PropListUtils
