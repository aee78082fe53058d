// Glyphwerk's case mapping against ICU's full string case mapping, on the same
// texts in the same run. Throughput is reported in UTF-16 code units per
// second (items_per_second).
#include <benchmark/benchmark.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <string>
#include <vector>

#include "Glyphwerk.h"

namespace {

// About 64 Ki code units made by repeating `sample`.
UTF16String Repeat(const UTF16String& sample) {
  UTF16String text;
  while (text.size() < 64 * 1024) text += sample;
  return text;
}

const UTF16String& Text(int kind) {
  static const std::vector<UTF16String> texts = {
      Repeat(u"The quick brown fox jumps over the lazy dog, 42 times. "),
      Repeat(u"Fa\u00E7ade na\u00EFve \u00C9COLE Gr\u00FC\u00DFe \u00D8resund \u00E0 la cr\u00E8me br\u00FBl\u00E9e. "),
      Repeat(u"\u039F\u03B9 \u03C6\u03B9\u03BB\u03CC\u03C3\u03BF\u03C6\u03BF\u03B9 \u0388\u03BB\u03BB\u03B7\u03BD\u03B5\u03C2 "
             u"\u03BC\u03B9\u03BB\u03BF\u03CD\u03BD \u03A3\u039F\u03A6\u0399\u0391. "),
      Repeat(u"Stra\u00DFe \uFB03 \u0399\u03C3\u03C4\u03BF\u03C1\u03AF\u03B1 \u041C\u043E\u0441\u043A\u0432\u0430 "
             u"\u4E2D\u6587 \U0001F600 \uFF21\uFF42\uFF43 \u0130stanbul \u1F88 "),
  };
  return texts[static_cast<std::size_t>(kind)];
}

const char* const kTextNames[] = {"ascii", "latin1", "greek", "mixed"};

using GlyphwerkMapping = UTF16String (*)(const UTF16String&);

void RunGlyphwerk(benchmark::State& state, GlyphwerkMapping map) {
  const UTF16String& text = Text(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    UTF16String result = map(text);
    benchmark::DoNotOptimize(result.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
  state.SetLabel(kTextNames[state.range(0)]);
}

// Maps with ICU into a result string that, like Glyphwerk's, is made per call.
template <typename IcuCall>
void RunIcu(benchmark::State& state, IcuCall call) {
  const UTF16String& text = Text(static_cast<int>(state.range(0)));
  const auto* source = reinterpret_cast<const UChar*>(text.data());
  const auto length = static_cast<int32_t>(text.size());
  for (auto _ : state) {
    UTF16String result(text.size() + text.size() / 2, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = call(reinterpret_cast<UChar*>(result.data()), static_cast<int32_t>(result.size()),
                                 source, length, &status);
    if (U_FAILURE(status)) {
      state.SkipWithError(u_errorName(status));
      break;
    }
    result.resize(static_cast<std::size_t>(written));
    benchmark::DoNotOptimize(result.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * length);
  state.SetLabel(kTextNames[state.range(0)]);
}

void BM_Glyphwerk_UpperCase(benchmark::State& state) { RunGlyphwerk(state, UpperCase); }
void BM_Glyphwerk_LowerCase(benchmark::State& state) { RunGlyphwerk(state, LowerCase); }
void BM_Glyphwerk_FoldCase(benchmark::State& state) { RunGlyphwerk(state, FoldCase); }

void BM_Icu_u_strToUpper(benchmark::State& state) {
  RunIcu(state, [](UChar* dest, int32_t capacity, const UChar* src, int32_t length, UErrorCode* status) {
    return u_strToUpper(dest, capacity, src, length, "", status);
  });
}
void BM_Icu_u_strToLower(benchmark::State& state) {
  RunIcu(state, [](UChar* dest, int32_t capacity, const UChar* src, int32_t length, UErrorCode* status) {
    return u_strToLower(dest, capacity, src, length, "", status);
  });
}
void BM_Icu_u_strFoldCase(benchmark::State& state) {
  RunIcu(state, [](UChar* dest, int32_t capacity, const UChar* src, int32_t length, UErrorCode* status) {
    return u_strFoldCase(dest, capacity, src, length, U_FOLD_CASE_DEFAULT, status);
  });
}

// Argument: 0 ascii, 1 latin1, 2 greek, 3 mixed.
BENCHMARK(BM_Glyphwerk_UpperCase)->DenseRange(0, 3);
BENCHMARK(BM_Icu_u_strToUpper)->DenseRange(0, 3);
BENCHMARK(BM_Glyphwerk_LowerCase)->DenseRange(0, 3);
BENCHMARK(BM_Icu_u_strToLower)->DenseRange(0, 3);
BENCHMARK(BM_Glyphwerk_FoldCase)->DenseRange(0, 3);
BENCHMARK(BM_Icu_u_strFoldCase)->DenseRange(0, 3);

}  // namespace
