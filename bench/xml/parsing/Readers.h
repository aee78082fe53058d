// The readers every parsing benchmark compares, each building its own tree
// from a document and destroying it again. Each answers whether it read the
// document as well formed.
#pragma once

#include <filesystem>
#include <string_view>

#include "Arborix.h"

namespace parsing_bench {

// ParseXMLFile: the file's bytes reach the parser through its stream.
bool ArborixReads(File& file);
bool Libxml2Reads(std::string_view document);
bool Tinyxml2Reads(std::string_view document);
bool PugixmlReads(std::string_view document);

// The same readers, each opening and reading the file at `path` itself, the
// way its own users read a file.
bool Libxml2ReadsFile(const std::filesystem::path& path);
bool Tinyxml2ReadsFile(const std::filesystem::path& path);
bool PugixmlReadsFile(const std::filesystem::path& path);

}  // namespace parsing_bench
