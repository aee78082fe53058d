// Building, serialising, cloning and destroying a tree of about 100k nodes:
// 2000 <record id="..."> elements under one root, each with 24 <field>
// elements holding one text node.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "Arborix.h"

namespace {

constexpr int kRecords = 2000;
constexpr int kFieldsPerRecord = 24;
constexpr int kNodes = 1 + kRecords * (2 + 2 * kFieldsPerRecord);

UTF16String Number(int value) {
  const std::string digits = std::to_string(value);
  return UTF16String(digits.begin(), digits.end());
}

std::unique_ptr<XMLDocument> BuildTree() {
  auto document = std::make_unique<XMLDocument>(u"records");
  for (int r = 0; r < kRecords; ++r) {
    auto* record = new XMLElementNode(document.get(), u"record");
    document->InsertChild(record, nullptr);
    record->InsertAttribute(new XMLAttributeObj(record, u"id", Number(r)), nullptr);
    for (int f = 0; f < kFieldsPerRecord; ++f) {
      auto* field = new XMLElementNode(record, u"field");
      record->InsertChild(field, nullptr);
      field->InsertChild(new XMLTextNode(field, u"value of field " + Number(f)), nullptr);
    }
  }
  return document;
}

void BM_BuildTree(benchmark::State& state) {
  for (auto _ : state) {
    auto document = BuildTree();
    benchmark::DoNotOptimize(document.get());
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kNodes);
}
BENCHMARK(BM_BuildTree)->Unit(benchmark::kMillisecond);

void BM_AppendXML(benchmark::State& state) {
  auto document = BuildTree();
  std::size_t outputBytes = 0;
  for (auto _ : state) {
    UTF16String out;
    document->AppendXML(out);
    outputBytes = out.size() * sizeof(char16_t);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * outputBytes));
  state.counters["output_bytes"] = static_cast<double>(outputBytes);
}
BENCHMARK(BM_AppendXML)->Unit(benchmark::kMillisecond);

void BM_CloneDeep(benchmark::State& state) {
  auto document = BuildTree();
  for (auto _ : state) {
    std::unique_ptr<XMLBase> copy(document->Clone(true));
    benchmark::DoNotOptimize(copy.get());
    state.PauseTiming();
    copy.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kNodes);
}
BENCHMARK(BM_CloneDeep)->Unit(benchmark::kMillisecond);

void BM_DestroyTree(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto document = BuildTree();
    state.ResumeTiming();
    document.reset();
  }
  state.SetItemsProcessed(state.iterations() * kNodes);
}
BENCHMARK(BM_DestroyTree)->Unit(benchmark::kMillisecond);

}  // namespace
