// Decoding throughput in input bytes per second: TextToString over Dossik's
// buffered stream (as the string manager reads its files), beside ICU's
// ucnv_toUChars and iconv converting the same bytes into a ready buffer.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <unicode/ucnv.h>

#include <string>
#include <vector>

#include "Glyphwerk.h"
#include "SampleTexts.h"

namespace {

using decodingbench::AsciiHeavyUtf8;
using decodingbench::MixedScriptUtf16LE;
using decodingbench::MixedScriptUtf8;

void Glyphwerk(benchmark::State& state, const std::string& bytes) {
  IMemoryByteStream file(bytes.data(), bytes.size());
  UTF16String text;
  for (auto _ : state) {
    file.SetPosition(0);
    IBufferedByteStream in(file, 32768, 4096);
    text.clear();
    TextToString(in, text);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void Icu(benchmark::State& state, const std::string& bytes, const char* encoding) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open(encoding, &status);
  std::vector<UChar> text(bytes.size() + 1);
  for (auto _ : state) {
    status = U_ZERO_ERROR;
    const int32_t units = ucnv_toUChars(converter, text.data(), static_cast<int32_t>(text.size()), bytes.data(),
                                        static_cast<int32_t>(bytes.size()), &status);
    benchmark::DoNotOptimize(units);
  }
  if (U_FAILURE(status)) state.SkipWithError(u_errorName(status));
  ucnv_close(converter);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void Iconv(benchmark::State& state, const std::string& bytes, const char* encoding) {
  iconv_t converter = iconv_open("UTF-16LE", encoding);
  std::vector<char> text(bytes.size() * 2 + 16);
  for (auto _ : state) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char* from = const_cast<char*>(bytes.data());
    std::size_t fromLeft = bytes.size();
    char* to = text.data();
    std::size_t toLeft = text.size();
    if (iconv(converter, &from, &fromLeft, &to, &toLeft) == static_cast<std::size_t>(-1)) {
      state.SkipWithError("iconv failed");
      break;
    }
    benchmark::DoNotOptimize(to);
  }
  iconv_close(converter);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK_CAPTURE(Glyphwerk, Utf8AsciiHeavy, AsciiHeavyUtf8());
BENCHMARK_CAPTURE(Icu, Utf8AsciiHeavy, AsciiHeavyUtf8(), "UTF-8");
BENCHMARK_CAPTURE(Iconv, Utf8AsciiHeavy, AsciiHeavyUtf8(), "UTF-8");

BENCHMARK_CAPTURE(Glyphwerk, Utf8MixedScript, MixedScriptUtf8());
BENCHMARK_CAPTURE(Icu, Utf8MixedScript, MixedScriptUtf8(), "UTF-8");
BENCHMARK_CAPTURE(Iconv, Utf8MixedScript, MixedScriptUtf8(), "UTF-8");

// The UTF-16 sample carries no mark, so TextToString would read it as UTF-8;
// the string manager's UTF-16 files start with FF FE, which this adds.
const std::string& MarkedUtf16LE() {
  static const std::string text = "\xFF\xFE" + MixedScriptUtf16LE();
  return text;
}

BENCHMARK_CAPTURE(Glyphwerk, Utf16LEMixedScript, MarkedUtf16LE());
BENCHMARK_CAPTURE(Icu, Utf16LEMixedScript, MarkedUtf16LE(), "UTF-16");
BENCHMARK_CAPTURE(Iconv, Utf16LEMixedScript, MarkedUtf16LE(), "UTF-16");

}  // namespace
