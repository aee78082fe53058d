// Init over a folder of 50 string files of 2,000 entries each, and lookups of
// present and absent keys, beside std::unordered_map<std::string,
// std::u16string> holding the same keys and texts.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

#include "StringTable.h"
#include "verbosa/StringFolder.h"
#include "verbosa/StringLookup.h"

namespace {

constexpr int kFiles = 50;
constexpr int kEntriesPerFile = 2000;
constexpr std::size_t kProbes = 4096;

std::string KeyOf(int file, int entry) {
  return "/section" + std::to_string(file) + "/item_" + std::to_string(entry);
}

std::u16string TextOf(int file, int entry) {
  std::u16string text = u"Entry ";
  for (char c : std::to_string(file * kEntriesPerFile + entry)) text += static_cast<char16_t>(c);
  return text + u" of the generated folder \u2014 \u00e9t\u00e9\tdone";
}

// The generated folder, written once and removed at exit.
class GeneratedFolder {
 public:
  GeneratedFolder()
      : path_(std::filesystem::temp_directory_path() / ("strings_bench_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
    for (int file = 0; file < kFiles; ++file) {
      std::ofstream out(path_ / ("part" + std::to_string(file) + ".str"), std::ios::binary);
      out << "# generated for the benchmark\n";
      for (int entry = 0; entry < kEntriesPerFile; ++entry) {
        out << KeyOf(file, entry) << "   \"Entry " << file * kEntriesPerFile + entry
            << " of the generated folder \xE2\x80\x94 \xC3\xA9t\xC3\xA9\\tdone\"  # comment\n";
      }
    }
  }
  ~GeneratedFolder() { std::filesystem::remove_all(path_); }

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

const GeneratedFolder& Folder() {
  static const GeneratedFolder folder;
  return folder;
}

// Keys to probe, in a fixed random order: present ones, and absent ones of the
// same shape from sections past the last file. Their checksums fall among
// those of the present keys and they sort in among them, so misses take as
// many different paths through the table as hits do.
std::vector<std::string> ProbeKeys(bool present) {
  std::mt19937 random{present ? 1u : 2u};
  std::uniform_int_distribution<int> file(0, kFiles - 1);
  std::uniform_int_distribution<int> entry(0, kEntriesPerFile - 1);
  std::vector<std::string> keys;
  for (std::size_t i = 0; i < kProbes; ++i) {
    keys.push_back(KeyOf(file(random) + (present ? 0 : kFiles), entry(random)));
  }
  return keys;
}

void LoadTable() {
  if (Verbosa::ProcessStringTable().Size() == 0) Verbosa::Init(Dir{Folder().Path()});
}

const std::unordered_map<std::string, std::u16string>& UnorderedMap() {
  static const auto map = [] {
    std::unordered_map<std::string, std::u16string> filled;
    for (int file = 0; file < kFiles; ++file)
      for (int entry = 0; entry < kEntriesPerFile; ++entry) filled.emplace(KeyOf(file, entry), TextOf(file, entry));
    return filled;
  }();
  return map;
}

void BM_InitGeneratedFolder(benchmark::State& state) {
  const Dir folder{Folder().Path()};
  for (auto _ : state) {
    state.PauseTiming();
    Verbosa::ProcessStringTable() = Verbosa::StringTable{};
    state.ResumeTiming();
    Verbosa::Init(folder);
  }
  if (Verbosa::GetUnicodeString(KeyOf(kFiles - 1, kEntriesPerFile - 1)) != TextOf(kFiles - 1, kEntriesPerFile - 1)) {
    state.SkipWithError("the generated folder did not load as written");
  }
  state.counters["entries/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kFiles * kEntriesPerFile,
                                                   benchmark::Counter::kIsRate);
  Verbosa::ProcessStringTable() = Verbosa::StringTable{};
}
BENCHMARK(BM_InitGeneratedFolder)->Unit(benchmark::kMillisecond);

void VerbosaLookups(benchmark::State& state, bool present) {
  LoadTable();
  const std::vector<std::string> keys = ProbeKeys(present);
  std::u16string text;
  std::size_t next = 0;
  for (auto _ : state) {
    Verbosa::GetUnicodeString(keys[next], text);
    benchmark::DoNotOptimize(text.data());
    next = (next + 1) % kProbes;
  }
  if (text.empty() == present) state.SkipWithError("lookup found the wrong thing");
}

void UnorderedMapLookups(benchmark::State& state, bool present) {
  const auto& map = UnorderedMap();
  const std::vector<std::string> keys = ProbeKeys(present);
  std::u16string text;
  std::size_t next = 0;
  for (auto _ : state) {
    const auto found = map.find(keys[next]);
    if (found != map.end()) {
      text = found->second;
    } else {
      text.clear();
    }
    benchmark::DoNotOptimize(text.data());
    next = (next + 1) % kProbes;
  }
  if (text.empty() == present) state.SkipWithError("lookup found the wrong thing");
}

void BM_VerbosaLookupHit(benchmark::State& state) { VerbosaLookups(state, true); }
void BM_VerbosaLookupMiss(benchmark::State& state) { VerbosaLookups(state, false); }
void BM_UnorderedMapLookupHit(benchmark::State& state) { UnorderedMapLookups(state, true); }
void BM_UnorderedMapLookupMiss(benchmark::State& state) { UnorderedMapLookups(state, false); }
BENCHMARK(BM_VerbosaLookupHit);
BENCHMARK(BM_UnorderedMapLookupHit);
BENCHMARK(BM_VerbosaLookupMiss);
BENCHMARK(BM_UnorderedMapLookupMiss);

}  // namespace
