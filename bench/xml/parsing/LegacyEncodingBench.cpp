// ParseXMLFile over a document of about 1 MB in Shift_JIS and one in
// windows-1251, each beside the same document in UTF-8: what converting an
// encoding that Expat does not read by itself costs. Throughput is counted in
// bytes of the file parsed; the two files of a pair hold the same text, so
// their times compare directly.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "Arborix.h"

namespace {

constexpr std::size_t kLegacySize = 1024 * 1024;

// Records of names, attributes and prose in the script of one encoding.
struct Script {
  const char* legacyEncoding;
  const char* root;
  const char* record;
};

const Script kJapanese{"Shift_JIS", "文書",
                       "  <項目 番号=\"東京都\" 種類=\"表示\">日本語の文書です。表計算ソフトで作成した資料を、"
                       "新しい形式に変換して保存します。</項目>\n"};
const Script kRussian{"windows-1251", "Документ",
                      "  <Запись номер=\"Москва\" вид=\"текст\">Съешь же ещё этих мягких французских булок, "
                      "да выпей чаю. Широкая электрификация южных губерний.</Запись>\n"};

std::string Converted(const std::string& utf8, const char* encoding) {
  iconv_t converter = iconv_open(encoding, "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no converter");
  std::string out(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* write = out.data();
  std::size_t writeLeft = out.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &write, &writeLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) throw std::runtime_error("text not convertible");
  out.resize(out.size() - writeLeft);
  return out;
}

// The document of `script`, in its legacy encoding or in UTF-8, written once
// to a file that is kept for the whole run. Both forms repeat the record as
// often as makes about kLegacySize bytes in the legacy encoding.
const std::filesystem::path& DocumentFile(const Script& script, bool legacy) {
  static std::map<std::string, std::filesystem::path> files;
  const std::string encoding = legacy ? script.legacyEncoding : "UTF-8";
  const std::string key = std::string(script.legacyEncoding) + (legacy ? "" : "-text-in-UTF-8");
  auto found = files.find(key);
  if (found != files.end()) return found->second;
  const std::size_t records = kLegacySize / Converted(script.record, script.legacyEncoding).size();
  std::string utf8 = "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n<" + script.root + ">\n";
  for (std::size_t index = 0; index < records; ++index) utf8 += script.record;
  utf8 += std::string("</") + script.root + ">\n";
  const std::string bytes = legacy ? Converted(utf8, script.legacyEncoding) : utf8;
  const auto path = std::filesystem::temp_directory_path() / ("parsing-bench-" + key + ".xml");
  std::ofstream(path, std::ios::binary) << bytes;
  return files.emplace(key, path).first->second;
}

void ParseDocumentFile(benchmark::State& state, const Script& script, bool legacy) {
  const std::filesystem::path& path = DocumentFile(script, legacy);
  XMLEntryExit connection;
  File file(path);
  for (auto _ : state) {
    XMLDocument* document = nullptr;
    if (ParseXMLFile(file, false, &document) != XMLParseOK) state.SkipWithError("parse failed");
    delete document;
  }
  const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
  state.counters["file_bytes"] = static_cast<double>(size);
}

BENCHMARK_CAPTURE(ParseDocumentFile, shift_jis, kJapanese, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseDocumentFile, shift_jis_text_in_utf8, kJapanese, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseDocumentFile, windows_1251, kRussian, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseDocumentFile, windows_1251_text_in_utf8, kRussian, false)->Unit(benchmark::kMillisecond);

}  // namespace
