/// @file
/// XMLParseFault: where and why a parse or a property-list load failed, as
/// the parser component reported it, so that a caller can say more than a
/// status ("doc.xml:3:7: mismatched tag").
#pragma once

#include <cstdint>
#include <string>

#include "arborix/XMLParseStatus.h"

/// Where and why a parse failed. As made, and after a parse that succeeded,
/// it reports no fault: XMLParseOK, line and column 0, no message.
struct XMLParseFault {
  /// The status the parse gave.
  XMLParseStatus status = XMLParseOK;
  /// The 1-based line where the parser stood when it reported the fault; 0
  /// when the parse failed without the parser reporting a fault in the
  /// document (the file could not be read, a handler failed, no memory).
  std::int32_t line = 0;
  /// The 1-based column on that line; 0 whenever `line` is 0.
  std::int32_t column = 0;
  /// What went wrong, in UTF-8: the parser's message for the fault, without
  /// the position when the message ends by repeating it (" at line 3,
  /// column 7"); for a failure the parser did not report, the message of
  /// what ended the parse. Empty when there is nothing to say.
  std::string message;
};
