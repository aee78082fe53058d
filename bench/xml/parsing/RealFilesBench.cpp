// The readers on documents people have: the whole corpus of this machine's
// .xml and .svg files, each of its five largest files, its file of median
// size, and a large document made of its elements. Every reader parses the
// same bytes (ours through ParseXMLFile from the same file), builds its tree
// and destroys it.
// Throughput is counted in bytes of the documents.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Arborix.h"
#include "RawExpat.h"
#include "Readers.h"
#include "RealDocuments.h"

namespace {

using parsing_bench::RealFile;

constexpr std::size_t kLargeDocumentSize = 128 * 1024 * 1024;

enum class Reader { Arborix, Libxml2, Tinyxml2, Pugixml, RawExpat };

// One document and what each reader needs of it.
struct Input {
  std::string label;
  std::string bytes;
  File file;
};

bool Read(Reader reader, Input& input) {
  switch (reader) {
    case Reader::Arborix:
      return parsing_bench::ArborixReads(input.file);
    case Reader::Libxml2:
      return parsing_bench::Libxml2Reads(input.bytes);
    case Reader::Tinyxml2:
      return parsing_bench::Tinyxml2Reads(input.bytes);
    case Reader::Pugixml:
      return parsing_bench::PugixmlReads(input.bytes);
    case Reader::RawExpat:
      return parsing_bench::ParseWithRawExpat(input.bytes);
  }
  return false;
}

bool ReadFromFile(Reader reader, Input& input) {
  const std::filesystem::path& path = input.file.GetPath();
  switch (reader) {
    case Reader::Arborix:
      return parsing_bench::ArborixReads(input.file);
    case Reader::Libxml2:
      return parsing_bench::Libxml2ReadsFile(path);
    case Reader::Tinyxml2:
      return parsing_bench::Tinyxml2ReadsFile(path);
    case Reader::Pugixml:
      return parsing_bench::PugixmlReadsFile(path);
    case Reader::RawExpat:
      return parsing_bench::ParseFileWithRawExpat(path);
  }
  return false;
}

void ReadAll(benchmark::State& state, Reader reader, std::vector<Input>& inputs, bool fromFiles = false) {
  XMLEntryExit connection;
  std::int64_t bytes = 0;
  for (const Input& input : inputs) bytes += static_cast<std::int64_t>(input.bytes.size());
  for (auto _ : state) {
    for (Input& input : inputs) {
      if (!(fromFiles ? ReadFromFile(reader, input) : Read(reader, input))) {
        state.SkipWithError(("parse failed: " + input.label).c_str());
      }
    }
  }
  state.SetBytesProcessed(state.iterations() * bytes);
  if (inputs.size() == 1) state.SetLabel(inputs.front().label);
}

Input InputOf(const RealFile& file) { return {file.path.string(), file.bytes, File(file.path)}; }

void RealCorpus(benchmark::State& state, Reader reader, bool fromFiles) {
  std::vector<Input> inputs;
  for (const RealFile& file : parsing_bench::RealCorpus()) inputs.push_back(InputOf(file));
  ReadAll(state, reader, inputs, fromFiles);
  state.SetLabel(std::to_string(inputs.size()) + " files");
}

void RealCorpusFromFiles(benchmark::State& state, Reader reader) { RealCorpus(state, reader, true); }

void RealLargestFile(benchmark::State& state, Reader reader) {
  const auto rank = static_cast<std::size_t>(state.range(0));
  const std::vector<const RealFile*> largest = parsing_bench::LargestRealFiles(rank);
  if (largest.size() < rank) {
    state.SkipWithError("the corpus has fewer distinct files");
    return;
  }
  std::vector<Input> inputs{InputOf(*largest[rank - 1])};
  ReadAll(state, reader, inputs);
}

void RealMedianFile(benchmark::State& state, Reader reader) {
  if (parsing_bench::RealCorpus().empty()) {
    state.SkipWithError("the corpus is empty");
    return;
  }
  std::vector<Input> inputs{InputOf(parsing_bench::MedianRealFile())};
  ReadAll(state, reader, inputs);
}

void RealLargeDocument(benchmark::State& state, Reader reader) {
  std::string bytes;
  const auto path = parsing_bench::LargeRealDocument(kLargeDocumentSize, &bytes);
  std::vector<Input> inputs{{path.filename().string(), std::move(bytes), File(path)}};
  ReadAll(state, reader, inputs);
}

#define REAL_DOCUMENT_BENCHMARKS(reader)                                                                   \
  BENCHMARK_CAPTURE(RealCorpus, reader, Reader::reader, false)->Unit(benchmark::kMillisecond);           \
  BENCHMARK_CAPTURE(RealCorpusFromFiles, reader, Reader::reader)->Unit(benchmark::kMillisecond);       \
  BENCHMARK_CAPTURE(RealLargestFile, reader, Reader::reader)->DenseRange(1, 5)->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(RealMedianFile, reader, Reader::reader)->Unit(benchmark::kMicrosecond);             \
  BENCHMARK_CAPTURE(RealLargeDocument, reader, Reader::reader)->Unit(benchmark::kMillisecond)->Iterations(3)

REAL_DOCUMENT_BENCHMARKS(Arborix);
REAL_DOCUMENT_BENCHMARKS(Libxml2);
REAL_DOCUMENT_BENCHMARKS(Tinyxml2);
REAL_DOCUMENT_BENCHMARKS(Pugixml);
REAL_DOCUMENT_BENCHMARKS(RawExpat);

}  // namespace
