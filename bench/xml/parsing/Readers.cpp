#include "Readers.h"

#include <libxml/parser.h>
#include <tinyxml2.h>

#include <pugixml.hpp>

namespace parsing_bench {

bool ArborixReads(File& file) {
  XMLDocument* document = nullptr;
  const bool read = ParseXMLFile(file, false, &document) == XMLParseOK;
  delete document;
  return read;
}

bool Libxml2Reads(std::string_view document) {
  xmlDoc* tree =
      xmlReadMemory(document.data(), static_cast<int>(document.size()), nullptr, nullptr, XML_PARSE_NONET | XML_PARSE_HUGE);
  xmlFreeDoc(tree);
  return tree != nullptr;
}

bool Tinyxml2Reads(std::string_view document) {
  tinyxml2::XMLDocument tree;
  return tree.Parse(document.data(), document.size()) == tinyxml2::XML_SUCCESS;
}

bool PugixmlReads(std::string_view document) {
  pugi::xml_document tree;
  return static_cast<bool>(tree.load_buffer(document.data(), document.size()));
}

bool Libxml2ReadsFile(const std::filesystem::path& path) {
  xmlDoc* tree = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_HUGE);
  xmlFreeDoc(tree);
  return tree != nullptr;
}

bool Tinyxml2ReadsFile(const std::filesystem::path& path) {
  tinyxml2::XMLDocument tree;
  return tree.LoadFile(path.c_str()) == tinyxml2::XML_SUCCESS;
}

bool PugixmlReadsFile(const std::filesystem::path& path) {
  pugi::xml_document tree;
  return static_cast<bool>(tree.load_file(path.c_str()));
}

}  // namespace parsing_bench
