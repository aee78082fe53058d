// UTF8to16 and UTF16to8 beside ICU's u_strFromUTF8 and u_strToUTF8 on the
// same texts. Each side allocates its result string on every call, as the
// library's functions do. Throughput is counted in input bytes.
#include <benchmark/benchmark.h>
#include <unicode/ustring.h>

#include <string>

#include "Arborix.h"

namespace {

constexpr std::size_t kTextBytes = 1 << 20;

// About 1 MiB of UTF-8 made by repeating a sample of one script.
std::string Repeated(const std::string& sample) {
  std::string text;
  while (text.size() < kTextBytes) {
    text += sample;
  }
  return text;
}

const std::string& Sample(int which) {
  static const std::string samples[] = {
      Repeated("The quick brown fox jumps over the lazy dog; property lists are saved as XML. "),
      Repeated("L'\xC3\xA9t\xC3\xA9 dernier, \xC3\xA0 la f\xC3\xAAte, No\xC3\xABl a ch\xC3\xA2ti\xC3\xA9 le gar\xC3\xA7on. "),
      Repeated("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87\xE7\xAB\xA0\xE3\x81\xA7\xE3\x81\x99\xE3\x80\x82"),
      Repeated("\xF0\x9F\x98\x80\xF0\x9F\x8E\x89\xF0\x9F\x90\x8D\xF0\x9F\x8C\x8D "),
  };
  return samples[which];
}

const char* const kSampleNames[] = {"ascii", "latin", "cjk", "emoji"};

void Label(benchmark::State& state) { state.SetLabel(kSampleNames[state.range(0)]); }

void BM_Arborix_UTF8to16(benchmark::State& state) {
  const std::string& text = Sample(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    UTF16String result = UTF8to16(text);
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  Label(state);
}
BENCHMARK(BM_Arborix_UTF8to16)->DenseRange(0, 3);

void BM_ICU_u_strFromUTF8(benchmark::State& state) {
  const std::string& text = Sample(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    UTF16String result(text.size(), u'\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(result.data(), static_cast<int32_t>(result.size()), &length, text.data(),
                  static_cast<int32_t>(text.size()), &status);
    result.resize(static_cast<std::size_t>(length));
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  Label(state);
}
BENCHMARK(BM_ICU_u_strFromUTF8)->DenseRange(0, 3);

void BM_Arborix_UTF16to8(benchmark::State& state) {
  const UTF16String text = UTF8to16(Sample(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    std::string result = UTF16to8(text);
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size() * sizeof(char16_t)));
  Label(state);
}
BENCHMARK(BM_Arborix_UTF16to8)->DenseRange(0, 3);

void BM_ICU_u_strToUTF8(benchmark::State& state) {
  const UTF16String text = UTF8to16(Sample(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    std::string result(text.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(result.data(), static_cast<int32_t>(result.size()), &length, text.data(),
                static_cast<int32_t>(text.size()), &status);
    result.resize(static_cast<std::size_t>(length));
    benchmark::DoNotOptimize(result.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size() * sizeof(char16_t)));
  Label(state);
}
BENCHMARK(BM_ICU_u_strToUTF8)->DenseRange(0, 3);

}  // namespace
