// Where and why the parser component gave up on an XML file. The tree's parse
// functions give only a status; a check parses the file with handlers that
// keep nothing but the parser's message and its position at the fault.
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

// The outcome of parsing `file` as ParseXMLFile does, with handlers that
// build nothing, so that a check runs in constant memory: the status the
// parse gives, and the last fault the parser reported (nothing when it
// reported none). Needs a live XMLEntryExit.
struct XMLCheck {
  XMLParseStatus status = XMLParseOK;
  std::optional<ParseFaultLocation> fault;
};
XMLCheck CheckXML(IByteStream& in);
// The same for `file`, named `name`, with a progress line when
// `showProgress` (ProgressLine.h).
XMLCheck CheckXMLFile(File& file, const std::string& name = "", bool showProgress = false);

// Why `file`, named `path` in the text, failed to parse with `status`, as
// compilers put it: "FILE:LINE:COLUMN: MESSAGE (STATUS)", or "FILE: STATUS"
// when the parser named no place. Needs a live XMLEntryExit.
std::string DescribeParseFailure(const std::string& path, File& file, XMLParseStatus status);
// The same for a check that failed.
std::string DescribeParseFailure(const std::string& path, const XMLCheck& check);

// The name of a parse status ("XMLParseTagMismatch").
const char* StatusName(XMLParseStatus status);

}  // namespace atelier
