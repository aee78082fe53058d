// The XMLParseFault that a parse or a property-list load reports, put
// together from the status it gives, the error the parser reported last and
// what ended the parse.
#pragma once

#include <string>

#include "arborix/XMLFaultRecorder.h"
#include "arborix/XMLParseFault.h"

namespace arborix_internal {

// No fault for XMLParseOK. Otherwise `status`, with the position and message
// of the recorder's fault when the parser reported one, else with `reason`
// (what ended the parse, possibly empty) and no position.
XMLParseFault FaultOfParse(XMLParseStatus status, const XMLFaultRecorder& recorder, std::string reason);

// The message of the exception being handled: its what() for a standard
// exception, else empty (also when there is no memory to copy it). Only for
// use inside a catch block.
std::string MessageOfCurrentException() noexcept;

}  // namespace arborix_internal
