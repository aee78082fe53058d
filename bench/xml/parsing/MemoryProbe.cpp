// How much memory a reader takes for a document, and how much of it the
// process still holds once the tree is destroyed. Each reader runs in a
// process of its own, so that one reader's heap says nothing of another's:
//
//   xml_memory_probe --make-large-document [MB]   writes the document, prints its path
//   xml_memory_probe READER FILE                   READER: arborix libxml2 tinyxml2 pugixml
//
// For a reader it prints the parse time and, in MB over the resident memory
// before the parse: the peak, the memory with the tree alive, after the tree
// is destroyed, and after malloc_trim(0) on top of that. Linux only: the
// figures come from /proc/self/status.
#include <libxml/parser.h>
#include <malloc.h>
#include <tinyxml2.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <pugixml.hpp>
#include <string>

#include "Arborix.h"
#include "RealDocuments.h"

namespace {

// A field of /proc/self/status, in MB.
double StatusMB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field + ":", 0) == 0) return std::strtod(line.c_str() + field.size() + 1, nullptr) / 1024.0;
  }
  return -1;
}

// Sets the peak resident memory back to the current one.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Parses `path` and returns what destroys the tree; an empty function when the parse failed.
std::function<void()> Parse(const std::string& reader, const std::string& path) {
  if (reader == "arborix") {
    File file(path);
    XMLDocument* document = nullptr;
    if (ParseXMLFile(file, false, &document) != XMLParseOK) return {};
    return [document] { delete document; };
  }
  if (reader == "libxml2") {
    xmlDoc* document = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_HUGE);
    if (document == nullptr) return {};
    return [document] { xmlFreeDoc(document); };
  }
  if (reader == "tinyxml2") {
    auto* document = new tinyxml2::XMLDocument;
    if (document->LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) {
      delete document;
      return {};
    }
    return [document] { delete document; };
  }
  if (reader == "pugixml") {
    auto* document = new pugi::xml_document;
    if (!document->load_file(path.c_str())) {
      delete document;
      return {};
    }
    return [document] { delete document; };
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (first == "--make-large-document") {
    const std::size_t megabytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 128;
    std::cout << parsing_bench::LargeRealDocument(megabytes * 1024 * 1024).string() << "\n";
    return 0;
  }
  if (argc != 3) {
    std::cerr << "usage: xml_memory_probe --make-large-document [MB] | READER FILE\n";
    return 2;
  }
  XMLEntryExit connection;
  const double before = StatusMB("VmRSS");
  ResetPeak();
  const auto start = std::chrono::steady_clock::now();
  const std::function<void()> destroy = Parse(first, argv[2]);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  if (!destroy) {
    std::cerr << first << ": cannot read " << argv[2] << "\n";
    return 1;
  }
  const double peak = StatusMB("VmHWM");
  const double withTree = StatusMB("VmRSS");
  destroy();
  const double after = StatusMB("VmRSS");
  malloc_trim(0);
  const double trimmed = StatusMB("VmRSS");
  std::printf("%-9s parse %6.3f s   MB over the start: peak %7.1f  tree %7.1f  after delete %6.1f  after trim %6.1f\n",
              first.c_str(), seconds.count(), peak - before, withTree - before, after - before, trimmed - before);
  return 0;
}
