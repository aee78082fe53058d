#include "RawExpat.h"

#include <expat.h>

#include <cstdio>

namespace parsing_bench {

namespace {

XML_Parser NewParserWithEmptyHandlers() {
  XML_Parser parser = XML_ParserCreate(nullptr);
  XML_SetElementHandler(parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
  XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
  return parser;
}

}  // namespace

bool ParseWithRawExpat(std::string_view document) {
  XML_Parser parser = NewParserWithEmptyHandlers();
  const bool wellFormed =
      XML_Parse(parser, document.data(), static_cast<int>(document.size()), XML_TRUE) == XML_STATUS_OK;
  XML_ParserFree(parser);
  return wellFormed;
}

bool ParseFileWithRawExpat(const std::filesystem::path& path) {
  constexpr std::size_t kBlock = 32 * 1024;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  XML_Parser parser = NewParserWithEmptyHandlers();
  bool wellFormed = true;
  for (bool last = false; wellFormed && !last;) {
    void* buffer = XML_GetBuffer(parser, static_cast<int>(kBlock));
    const std::size_t count = buffer == nullptr ? 0 : std::fread(buffer, 1, kBlock, file);
    last = count < kBlock;
    wellFormed = buffer != nullptr && !std::ferror(file) &&
                 XML_ParseBuffer(parser, static_cast<int>(count), last) == XML_STATUS_OK;
  }
  XML_ParserFree(parser);
  std::fclose(file);
  return wellFormed;
}

}  // namespace parsing_bench
