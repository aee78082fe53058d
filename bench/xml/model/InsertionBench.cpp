// Growth of one element's lists: n text children or n attributes appended
// through CreateNode, and n children made under their parent and inserted by
// hand. Each run reports the fitted complexity; the time per node should not
// grow with n.
#include <benchmark/benchmark.h>

#include <memory>

#include "Arborix.h"

namespace {

// Times `add(element)` n times on a fresh element; the element is destroyed
// outside the timing.
template <class Add>
void TimeAppends(benchmark::State& state, Add add) {
  const auto count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto element = std::make_unique<XMLElementNode>(nullptr, u"e");
    for (int i = 0; i < count; ++i) add(*element);
    benchmark::DoNotOptimize(element.get());
    state.PauseTiming();
    element.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void AppendThroughCreateNode(benchmark::State& state, XMLNodeType type) {
  TimeAppends(state, [type](XMLElementNode& element) {
    XMLBase* node = nullptr;
    CreateNode(u"n", &element, type, &node);
  });
}

void BM_CreateTextChildren(benchmark::State& state) { AppendThroughCreateNode(state, XMLTextType); }
BENCHMARK(BM_CreateTextChildren)->RangeMultiplier(2)->Range(10'000, 160'000)->Complexity()->Unit(benchmark::kMillisecond);

void BM_CreateAttributes(benchmark::State& state) { AppendThroughCreateNode(state, XMLAttributeType); }
BENCHMARK(BM_CreateAttributes)->RangeMultiplier(2)->Range(10'000, 160'000)->Complexity()->Unit(benchmark::kMillisecond);

void BM_InsertChildrenMadeUnderTheirParent(benchmark::State& state) {
  TimeAppends(state, [](XMLElementNode& element) {
    element.InsertChild(new XMLElementNode(&element, u"c"), nullptr);
  });
}
BENCHMARK(BM_InsertChildrenMadeUnderTheirParent)
    ->RangeMultiplier(2)
    ->Range(10'000, 160'000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);

}  // namespace
