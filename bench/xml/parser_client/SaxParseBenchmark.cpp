// Throughput of a whole parse through the client layer (A_parse with handlers
// that do nothing) beside raw Expat with handlers that do nothing, on the same
// document in the same run. The difference is what the broker, the holders
// and the adapters cost per event.
#include <benchmark/benchmark.h>
#include <expat.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "arborix/XMLEntryExit.h"
#include "arborix/client/CQURSAX2Parser.h"
#include "arborix/client/HQURBinInputStreamBase.h"
#include "arborix/client/HQURContentHandlerBase.h"

namespace {

constexpr std::size_t kBlock = 64 * 1024;

// About 4 MB of records with attributes, entities and multi-line text.
const std::string& Document() {
  static const std::string document = [] {
    std::string text = "<?xml version='1.0' encoding='UTF-8'?>\n<catalog>\n";
    for (int i = 0; text.size() < 4 * 1024 * 1024; ++i) {
      const std::string n = std::to_string(i);
      text += "  <item id='" + n + "' kind=\"part\" price='" + n + ".50'>\n    <name>Item " + n +
              " &amp; friends</name>\n    <note>line one\nline two</note>\n  </item>\n";
    }
    return text + "</catalog>\n";
  }();
  return document;
}

class DocumentStream : public HQURBinInputStreamBase {
 public:
  std::uint32_t curPos() const override { return static_cast<std::uint32_t>(position_); }
  unsigned int readBytes(unsigned char* const buffer, unsigned int maximum) override {
    const std::string& document = Document();
    const std::size_t count = std::min<std::size_t>(maximum, document.size() - position_);
    std::memcpy(buffer, document.data() + position_, count);
    position_ += count;
    return static_cast<unsigned int>(count);
  }

 private:
  std::size_t position_ = 0;
};

void ParseThroughClientLayer(benchmark::State& state) {
  XMLEntryExit connection;
  for (auto _ : state) {
    CQURSAX2Parser parser = CQURSAX2Parser::New();
    parser.setFeature(CQURSAX2Parser::kValidationFeature, false);
    parser.setFeature(CQURSAX2Parser::kNamespacesFeature, false);
    parser.A_setContentHandler(new HQURContentHandlerBase);
    parser.A_parse(new DocumentStream);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Document().size()));
}

void OnStart(void*, const XML_Char*, const XML_Char**) {}
void OnEnd(void*, const XML_Char*) {}
void OnText(void*, const XML_Char*, int) {}

void ParseWithRawExpat(benchmark::State& state) {
  const std::string& document = Document();
  for (auto _ : state) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(parser, &OnStart, &OnEnd);
    XML_SetCharacterDataHandler(parser, &OnText);
    for (std::size_t at = 0; at <= document.size(); at += kBlock) {
      const std::size_t count = std::min(kBlock, document.size() - at);
      const bool final = at + count == document.size();
      if (XML_Parse(parser, document.data() + at, static_cast<int>(count), final) == XML_STATUS_ERROR) {
        state.SkipWithError("raw Expat refused the document");
        break;
      }
      if (final) break;
    }
    XML_ParserFree(parser);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * document.size()));
}

BENCHMARK(ParseThroughClientLayer)->Unit(benchmark::kMillisecond);
BENCHMARK(ParseWithRawExpat)->Unit(benchmark::kMillisecond);

}  // namespace
