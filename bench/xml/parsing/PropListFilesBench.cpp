// SavePropList and LoadPropList of a list of 100 000 entries of every kind,
// and raw Expat over the file that LoadPropList reads.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <list>
#include <string>

#include "Arborix.h"
#include "RawExpat.h"

namespace {

constexpr int kEntries = 100000;

void Fill(PropList& list) {
  for (int index = 0; index < kEntries; ++index) {
    const UTF16String key = u"key" + UTF8to16(std::to_string(index));
    switch (index % 5) {
      case 0:
        list.SetValue(key, std::string("value number ") + std::to_string(index));
        break;
      case 1:
        list.SetValue(key, UTF16String(u"Grüße & <Ünïcode>"));
        break;
      case 2:
        list.SetValue(key, static_cast<std::int32_t>(-index));
        break;
      case 3:
        list.SetValue(key, std::list<std::uint16_t>{1, 2, 3});
        break;
      default:
        list.NewSubList(key)->SetValue(u"flag", index % 2 == 0);
        break;
    }
  }
}

std::filesystem::path BenchFile() { return std::filesystem::temp_directory_path() / "proplist-bench.xml"; }

void SaveList(benchmark::State& state) {
  PropList list;
  Fill(list);
  const File file(BenchFile());
  for (auto _ : state) PropListUtils::SavePropList(file, list);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(BenchFile())));
}

void LoadList(benchmark::State& state) {
  XMLEntryExit connection;
  {
    PropList list;
    Fill(list);
    PropListUtils::SavePropList(File(BenchFile()), list);
  }
  File file(BenchFile());
  for (auto _ : state) {
    PropList list;
    PropListUtils::LoadPropList(file, list);
    benchmark::DoNotOptimize(list.GetSubList(u"key4"));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(BenchFile())));
}

// The tokenizer alone over the same file, read into memory once.
void LoadListRawExpat(benchmark::State& state) {
  {
    PropList list;
    Fill(list);
    PropListUtils::SavePropList(File(BenchFile()), list);
  }
  std::ifstream in(BenchFile(), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  for (auto _ : state) {
    if (!parsing_bench::ParseWithRawExpat(bytes)) state.SkipWithError("parse failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(SaveList)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadList)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadListRawExpat)->Unit(benchmark::kMillisecond);

}  // namespace
