// Setting and getting 100k keys of a PropList, as integers and as texts.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Arborix.h"

namespace {

constexpr int kKeys = 100'000;

const std::vector<UTF16String>& Keys() {
  static const std::vector<UTF16String> keys = [] {
    std::vector<UTF16String> made;
    made.reserve(kKeys);
    for (int i = 0; i < kKeys; ++i) {
      const std::string text = "setting." + std::to_string(i * 7919 % kKeys);
      made.emplace_back(text.begin(), text.end());
    }
    return made;
  }();
  return keys;
}

void BM_PropListSetInt(benchmark::State& state) {
  for (auto _ : state) {
    PropList list;
    std::int32_t value = 0;
    for (const UTF16String& key : Keys()) {
      list.SetValue(key, value++);
    }
    benchmark::DoNotOptimize(&list);
    state.PauseTiming();
    list.Clear();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kKeys);
}
BENCHMARK(BM_PropListSetInt)->Unit(benchmark::kMillisecond);

void BM_PropListGetInt(benchmark::State& state) {
  PropList list;
  std::int32_t value = 0;
  for (const UTF16String& key : Keys()) {
    list.SetValue(key, value++);
  }
  for (auto _ : state) {
    std::int64_t sum = 0;
    for (const UTF16String& key : Keys()) {
      std::int32_t out = 0;
      list.GetValue(key, out);
      sum += out;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kKeys);
}
BENCHMARK(BM_PropListGetInt)->Unit(benchmark::kMillisecond);

void BM_PropListSetText(benchmark::State& state) {
  const UTF16String text = u"a setting's text value";
  for (auto _ : state) {
    PropList list;
    for (const UTF16String& key : Keys()) {
      list.SetValue(key, text);
    }
    benchmark::DoNotOptimize(&list);
    state.PauseTiming();
    list.Clear();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kKeys);
}
BENCHMARK(BM_PropListSetText)->Unit(benchmark::kMillisecond);

void BM_PropListGetText(benchmark::State& state) {
  PropList list;
  for (const UTF16String& key : Keys()) {
    list.SetValue(key, UTF16String(u"a setting's text value"));
  }
  for (auto _ : state) {
    UTF16String out;
    for (const UTF16String& key : Keys()) {
      list.GetValue(key, out);
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * kKeys);
}
BENCHMARK(BM_PropListGetText)->Unit(benchmark::kMillisecond);

void BM_PropListDoubleRoundTrip(benchmark::State& state) {
  PropList list;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      list.SetValue(Keys()[static_cast<std::size_t>(i)], i * 0.125);
    }
    double sum = 0;
    for (int i = 0; i < 1000; ++i) {
      double out = 0;
      list.GetValue(Keys()[static_cast<std::size_t>(i)], out);
      sum += out;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_PropListDoubleRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
