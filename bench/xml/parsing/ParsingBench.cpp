// ParseXMLBuffer and ParseXMLFile beside libxml2, tinyxml2 and pugixml, each
// building its own tree from the same document, and raw Expat with empty
// handlers, the ceiling of the tokenizer under the parser component.
// Throughput is counted in bytes of the UTF-8 document for every reader
// (ParseXMLBuffer reads the same text as UTF-16, twice the bytes).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "Arborix.h"
#include "RawExpat.h"
#include "Readers.h"
#include "SampleDocuments.h"

namespace {

using DocumentMaker = std::string (*)();

struct Sample {
  std::string utf8;
  UTF16String utf16;
  std::filesystem::path file;
};

// Made once per shape and kept for the whole run.
const Sample& SampleOf(DocumentMaker make, const char* name) {
  static std::map<std::string, std::unique_ptr<Sample>> samples;
  auto& sample = samples[name];
  if (!sample) {
    sample = std::make_unique<Sample>();
    sample->utf8 = make();
    sample->utf16 = UTF8to16(sample->utf8);
    sample->file = std::filesystem::temp_directory_path() / (std::string("parsing-bench-") + name + ".xml");
    std::ofstream(sample->file, std::ios::binary) << sample->utf8;
  }
  return *sample;
}

void Count(benchmark::State& state, const Sample& sample) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sample.utf8.size()));
}

void ArborixBuffer(benchmark::State& state, DocumentMaker make, const char* name) {
  const Sample& sample = SampleOf(make, name);
  XMLEntryExit connection;
  for (auto _ : state) {
    XMLDocument* document = nullptr;
    if (ParseXMLBuffer(sample.utf16, false, &document) != XMLParseOK) state.SkipWithError("parse failed");
    delete document;
  }
  Count(state, sample);
}

void ArborixFile(benchmark::State& state, DocumentMaker make, const char* name) {
  const Sample& sample = SampleOf(make, name);
  XMLEntryExit connection;
  File file(sample.file);
  for (auto _ : state) {
    if (!parsing_bench::ArborixReads(file)) state.SkipWithError("parse failed");
  }
  Count(state, sample);
}

void Libxml2(benchmark::State& state, DocumentMaker make, const char* name) {
  const Sample& sample = SampleOf(make, name);
  for (auto _ : state) {
    if (!parsing_bench::Libxml2Reads(sample.utf8)) state.SkipWithError("parse failed");
  }
  Count(state, sample);
}

void Tinyxml2(benchmark::State& state, DocumentMaker make, const char* name) {
  const Sample& sample = SampleOf(make, name);
  for (auto _ : state) {
    if (!parsing_bench::Tinyxml2Reads(sample.utf8)) state.SkipWithError("parse failed");
  }
  Count(state, sample);
}

void Pugixml(benchmark::State& state, DocumentMaker make, const char* name) {
  const Sample& sample = SampleOf(make, name);
  for (auto _ : state) {
    if (!parsing_bench::PugixmlReads(sample.utf8)) state.SkipWithError("parse failed");
  }
  Count(state, sample);
}

void RawExpat(benchmark::State& state, DocumentMaker make, const char* name) {
  const Sample& sample = SampleOf(make, name);
  for (auto _ : state) {
    if (!parsing_bench::ParseWithRawExpat(sample.utf8)) state.SkipWithError("parse failed");
  }
  Count(state, sample);
}

#define PARSING_BENCHMARKS(shape, maker)                                                   \
  BENCHMARK_CAPTURE(ArborixBuffer, shape, maker, #shape)->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(ArborixFile, shape, maker, #shape)->Unit(benchmark::kMillisecond);   \
  BENCHMARK_CAPTURE(Libxml2, shape, maker, #shape)->Unit(benchmark::kMillisecond);       \
  BENCHMARK_CAPTURE(Tinyxml2, shape, maker, #shape)->Unit(benchmark::kMillisecond);      \
  BENCHMARK_CAPTURE(Pugixml, shape, maker, #shape)->Unit(benchmark::kMillisecond);       \
  BENCHMARK_CAPTURE(RawExpat, shape, maker, #shape)->Unit(benchmark::kMillisecond)

PARSING_BENCHMARKS(markup_heavy, parsing_bench::MarkupHeavyDocument);
PARSING_BENCHMARKS(text_heavy, parsing_bench::TextHeavyDocument);
PARSING_BENCHMARKS(attribute_heavy, parsing_bench::AttributeHeavyDocument);
// libxml2 and tinyxml2 check attribute names for duplicates pair by pair,
// which takes them tens of seconds here; only our readers and Expat run.
BENCHMARK_CAPTURE(ArborixBuffer, wide_element, parsing_bench::WideElementDocument, "wide_element")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ArborixFile, wide_element, parsing_bench::WideElementDocument, "wide_element")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RawExpat, wide_element, parsing_bench::WideElementDocument, "wide_element")
    ->Unit(benchmark::kMillisecond);

}  // namespace
