#include "parsing/FaultOfParse.h"

#include <exception>
#include <utility>

namespace arborix_internal {

XMLParseFault FaultOfParse(XMLParseStatus status, const XMLFaultRecorder& recorder, std::string reason) {
  if (status == XMLParseOK) return {};
  XMLParseFault fault = recorder.HasError() ? recorder.Fault() : XMLParseFault{status, 0, 0, std::move(reason)};
  fault.status = status;
  return fault;
}

std::string MessageOfCurrentException() noexcept {
  try {
    throw;
  } catch (const std::exception& exception) {
    try {
      return exception.what();
    } catch (...) {
      return {};  // no memory for the copy
    }
  } catch (...) {
    return {};
  }
}

}  // namespace arborix_internal
