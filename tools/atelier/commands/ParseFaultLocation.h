// Where and why the parser component gave up on an XML file. The tree's parse
// functions give only a status; this parses the file once more with handlers
// that keep the parser's message and its position at the fault.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Arborix.h"
#include "Dossik.h"

namespace atelier {

struct ParseFaultLocation {
  std::int32_t line = 0;    // 1-based
  std::int32_t column = 0;  // 1-based
  std::string message;      // the parser's message, without the position it may repeat
};

// The last fault the parser reported about `file`; nothing when it reported
// none (the file was well formed, or could not be read at all). Needs a live
// XMLEntryExit.
std::optional<ParseFaultLocation> LocateParseFault(File& file);

// Why `file`, named `path` in the text, failed to parse with `status`, as
// compilers put it: "FILE:LINE:COLUMN: MESSAGE (STATUS)", or "FILE: STATUS"
// when the parser named no place. Needs a live XMLEntryExit.
std::string DescribeParseFailure(const std::string& path, File& file, XMLParseStatus status);

}  // namespace atelier
