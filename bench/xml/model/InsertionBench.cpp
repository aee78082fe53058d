// Growth of one element's lists: n text children or n attributes appended
// through CreateNode, and n children made under their parent and inserted by
// hand. Each run reports the fitted complexity; the time per node should not
// grow with n.
#include <benchmark/benchmark.h>

#include <memory>

#include "Arborix.h"

namespace {

void AppendThroughCreateNode(benchmark::State& state, XMLNodeType type) {
  const auto count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto element = std::make_unique<XMLElementNode>(nullptr, u"e");
    for (int i = 0; i < count; ++i) {
      XMLBase* node = nullptr;
      CreateNode(u"n", element.get(), type, &node);
    }
    benchmark::DoNotOptimize(element.get());
    state.PauseTiming();
    element.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CreateTextChildren(benchmark::State& state) { AppendThroughCreateNode(state, XMLTextType); }
BENCHMARK(BM_CreateTextChildren)->RangeMultiplier(2)->Range(10'000, 160'000)->Complexity()->Unit(benchmark::kMillisecond);

void BM_CreateAttributes(benchmark::State& state) { AppendThroughCreateNode(state, XMLAttributeType); }
BENCHMARK(BM_CreateAttributes)->RangeMultiplier(2)->Range(10'000, 160'000)->Complexity()->Unit(benchmark::kMillisecond);

void BM_InsertChildrenMadeUnderTheirParent(benchmark::State& state) {
  const auto count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto element = std::make_unique<XMLElementNode>(nullptr, u"e");
    for (int i = 0; i < count; ++i) {
      element->InsertChild(new XMLElementNode(element.get(), u"c"), nullptr);
    }
    benchmark::DoNotOptimize(element.get());
    state.PauseTiming();
    element.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_InsertChildrenMadeUnderTheirParent)
    ->RangeMultiplier(2)
    ->Range(10'000, 160'000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

}  // namespace
