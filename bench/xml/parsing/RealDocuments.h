// Documents people have, as opposed to generated ones: the .xml and .svg
// files of this machine, and one large document put together from their
// elements. Each is built on first use and kept for the whole run.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace parsing_bench {

struct RealFile {
  std::filesystem::path path;
  std::string bytes;
};

// Every .xml and .svg file of up to 4 MB below the folders named in
// XML_BENCH_CORPUS (separated by ':'; /usr/share when unset) that every
// reader of the benchmarks reads as well formed, in path order.
const std::vector<RealFile>& RealCorpus();

// The `count` largest files of the corpus with distinct contents, largest first.
std::vector<const RealFile*> LargestRealFiles(std::size_t count);

// The file of median size of the corpus: a typical file, whose parse is
// as much the fixed cost of a parse as the work on its bytes.
const RealFile& MedianRealFile();

// About `size` bytes: the root elements of the corpus's UTF-8 files without
// a document type declaration, taken in turn, under one root element. The
// document is written once to a file of the temporary folder, whose path is
// returned; `bytes`, when given, receives its content.
std::filesystem::path LargeRealDocument(std::size_t size, std::string* bytes = nullptr);

}  // namespace parsing_bench
