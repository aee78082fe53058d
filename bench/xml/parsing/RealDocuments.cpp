#include "RealDocuments.h"

#include <expat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string_view>
#include <system_error>

#include "RawExpat.h"
#include "Readers.h"

namespace parsing_bench {
namespace {

namespace fs = std::filesystem;

constexpr std::uintmax_t kLargestCorpusFile = 4 * 1024 * 1024;

std::vector<fs::path> CorpusFolders() {
  const char* named = std::getenv("XML_BENCH_CORPUS");
  std::vector<fs::path> folders;
  std::stringstream list(named != nullptr && *named != '\0' ? named : "/usr/share");
  for (std::string folder; std::getline(list, folder, ':');) {
    if (!folder.empty()) folders.emplace_back(folder);
  }
  return folders;
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsCandidate(const fs::directory_entry& entry) {
  std::error_code error;
  if (!entry.is_regular_file(error) || entry.file_size(error) > kLargestCorpusFile || error) return false;
  const fs::path extension = entry.path().extension();
  return extension == ".xml" || extension == ".svg";
}

bool EveryReaderReads(const RealFile& file) {
  File source(file.path);
  return ArborixReads(source) && Libxml2Reads(file.bytes) && Tinyxml2Reads(file.bytes) &&
         PugixmlReads(file.bytes) && ParseWithRawExpat(file.bytes);
}

// Where the root element of a document lies in its bytes, when the document
// can give it to another one: UTF-8 (or ASCII), well formed, and with no
// document type declaration whose entities its text might use.
class RootElementFinder {
 public:
  explicit RootElementFinder(std::string_view document) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetUserData(parser, this);
    XML_SetXmlDeclHandler(parser, &OnDeclaration);
    XML_SetStartDoctypeDeclHandler(parser, &OnDoctype);
    XML_SetElementHandler(parser, &OnStart, &OnEnd);
    parser_ = parser;
    const bool wellFormed =
        XML_Parse(parser, document.data(), static_cast<int>(document.size()), XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    if (wellFormed && usable_ && end_ > begin_) root_ = document.substr(begin_, end_ - begin_);
  }

  std::string_view Root() const { return root_; }

 private:
  static RootElementFinder& Self(void* data) { return *static_cast<RootElementFinder*>(data); }
  static void OnDeclaration(void* data, const XML_Char*, const XML_Char* encoding, int) {
    if (encoding == nullptr) return;
    std::string name(encoding);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    if (name != "utf-8" && name != "us-ascii") Self(data).usable_ = false;
  }
  static void OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    Self(data).usable_ = false;
  }
  static void OnStart(void* data, const XML_Char*, const XML_Char**) {
    RootElementFinder& self = Self(data);
    if (self.depth_++ == 0) self.begin_ = static_cast<std::size_t>(XML_GetCurrentByteIndex(self.parser_));
  }
  static void OnEnd(void* data, const XML_Char*) {
    RootElementFinder& self = Self(data);
    if (--self.depth_ == 0) {
      self.end_ = static_cast<std::size_t>(XML_GetCurrentByteIndex(self.parser_) +
                                           XML_GetCurrentByteCount(self.parser_));
    }
  }

  XML_Parser parser_ = nullptr;
  bool usable_ = true;
  int depth_ = 0;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::string_view root_;
};

}  // namespace

const std::vector<RealFile>& RealCorpus() {
  static const std::vector<RealFile> corpus = [] {
    XMLEntryExit connection;
    std::set<fs::path> paths;
    for (const fs::path& folder : CorpusFolders()) {
      std::error_code error;
      for (fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error), end;
           !error && it != end; it.increment(error)) {
        if (IsCandidate(*it)) paths.insert(it->path());
      }
    }
    std::vector<RealFile> files;
    for (const fs::path& path : paths) {
      RealFile file{path, Contents(path)};
      if (EveryReaderReads(file)) files.push_back(std::move(file));
    }
    return files;
  }();
  return corpus;
}

std::vector<const RealFile*> LargestRealFiles(std::size_t count) {
  std::vector<const RealFile*> files;
  for (const RealFile& file : RealCorpus()) files.push_back(&file);
  std::stable_sort(files.begin(), files.end(),
                   [](const RealFile* a, const RealFile* b) { return a->bytes.size() > b->bytes.size(); });
  std::vector<const RealFile*> largest;
  for (const RealFile* file : files) {
    if (largest.size() == count) break;
    const bool seen = std::any_of(largest.begin(), largest.end(), [&](const RealFile* kept) {
      return kept->bytes == file->bytes;
    });
    if (!seen) largest.push_back(file);
  }
  return largest;
}

const RealFile& MedianRealFile() {
  std::vector<const RealFile*> files;
  for (const RealFile& file : RealCorpus()) files.push_back(&file);
  const auto median = files.begin() + static_cast<std::ptrdiff_t>(files.size() / 2);
  std::nth_element(files.begin(), median, files.end(),
                   [](const RealFile* a, const RealFile* b) { return a->bytes.size() < b->bytes.size(); });
  return **median;
}

std::filesystem::path LargeRealDocument(std::size_t size, std::string* bytes) {
  static std::map<std::size_t, fs::path> made;
  fs::path& path = made[size];
  if (path.empty()) {
    std::vector<std::string_view> roots;
    for (const RealFile& file : RealCorpus()) {
      const std::string_view root = RootElementFinder(file.bytes).Root();
      if (!root.empty()) roots.push_back(root);
    }
    std::string document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<documents>\n";
    for (std::size_t index = 0; !roots.empty() && document.size() < size; index = (index + 1) % roots.size()) {
      document.append(roots[index]).append("\n");
    }
    document += "</documents>\n";
    path = fs::temp_directory_path() / ("parsing-bench-real-" + std::to_string(size) + ".xml");
    std::ofstream(path, std::ios::binary) << document;
  }
  if (bytes != nullptr) *bytes = Contents(path);
  return path;
}

}  // namespace parsing_bench
