#include <memory>
#include <string>
#include <string_view>

#include "arborix/CQURSAX2Parser.h"
#include "arborix/FileBasedQURInputStream.h"
#include "arborix/PropListUtils.h"
#include "parser_client/ParserTurn.h"
#include "proplist/PortableFileText.h"
#include "proplist/PropListXMLHandler.h"

using arborix_internal::PortableFileText;
using arborix_internal::PropListXMLHandler;

namespace {

constexpr std::uint32_t kBufferSize = 32768;
constexpr std::uint32_t kMinimumWrite = 4096;
constexpr std::string_view kHeader = "<?xml version='1.0' encoding='UTF-8'?>\n";
constexpr std::string_view kMapStart = "<prop.map>\n";
constexpr std::string_view kMapEnd = "</prop.map>\n";

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

}  // namespace

namespace PropListUtils {

void SavePropList(const File& file, const PropList& list) {
  std::string text;
  list.AppendXML(text);
  // Checked before the file is opened: a list that cannot be saved faithfully
  // leaves the previous file in place.
  const std::string body = PortableFileText(text);
  OPlatformByteStream platform(file);
  FailureNotingSink sink(platform);
  {
    OBufferedByteStream buffered(sink, kBufferSize, kMinimumWrite);
    WriteBlock(buffered, kHeader);
    WriteBlock(buffered, kMapStart);
    WriteBlock(buffered, body);
    WriteBlock(buffered, kMapEnd);
  }
  if (sink.Failed()) {
    throw FileError("cannot write '" + file.GetPath().string() + "': the last bytes could not be written",
                    file.GetPath());
  }
  platform.Close();
}

void LoadPropList(File& file, PropList& list) {
  const arborix_internal::ParserTurn turn;
  CQURSAX2Parser parser = CQURSAX2Parser::New();
  parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
  parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
  auto stream = std::make_unique<FileBasedQURInputStream>(file);
  auto handler = std::make_unique<PropListXMLHandler>(list);
  try {
    parser.A_setContentHandler(handler.release());
    parser.A_parse(stream.release());
  } catch (...) {
    // Whatever ended the parse early, a half-read list is worse than none.
    list.Clear();
  }
  parser.Release();
}

}  // namespace PropListUtils
