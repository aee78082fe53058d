#include "RawExpat.h"

#include <expat.h>

namespace parsing_bench {

bool ParseWithRawExpat(std::string_view document) {
  XML_Parser parser = XML_ParserCreate(nullptr);
  XML_SetElementHandler(parser, [](void*, const XML_Char*, const XML_Char**) {}, [](void*, const XML_Char*) {});
  XML_SetCharacterDataHandler(parser, [](void*, const XML_Char*, int) {});
  const bool wellFormed =
      XML_Parse(parser, document.data(), static_cast<int>(document.size()), XML_TRUE) == XML_STATUS_OK;
  XML_ParserFree(parser);
  return wellFormed;
}

}  // namespace parsing_bench
