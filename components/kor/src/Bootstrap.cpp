// The broker's bootstrap export and its own procedures (component "KOR").
#include <string>

#include "Containers.h"
#include "Errors.h"
#include "KOR.h"
#include "Memory.h"
#include "ProcedureRegistry.h"
#include "StringAtoms.h"
#include "platform/DebuggerOutput.h"

namespace kor {
namespace {

KORProc Lookup(const char* component, const char* method, const char* procedure) {
  return FindProcedure(component, method, procedure);
}

KORErrorHandle RegisterProcAddress(const char* component, const char* method, const char* procedure,
                                   KORProc proc) {
  if (component == nullptr || method == nullptr || procedure == nullptr || proc == nullptr) {
    return NewError("a procedure needs three names and an address", kKORComponent, 1, __FILE__, __LINE__);
  }
  RegisterProcedure(component, method, procedure, proc);
  return nullptr;
}

void ReportError(KORErrorHandle error) {
  if (error == nullptr) return;
  const std::string text = std::string("KOR: ") + StringAtomText(ErrorComponent(error)) + " " +
                           std::to_string(ErrorID(error)) + ": " + StringAtomText(ErrorMessage(error)) + "\n";
  // The texts are ASCII or UTF-8; bytes above 127 are passed through as
  // Latin-1, which is enough for a diagnostic line.
  const std::u16string wide(text.begin(), text.end());
  platform::WriteDebuggerOutput(wide.c_str());
}

std::int32_t UnregisterInterface(const char* component) { return UnregisterComponent(component); }
std::int32_t IsMultiThreaded() { return 0; }

void RegisterBrokerProcedures() {
  const auto publish = [](const char* name, KORProc proc) { RegisterProcedure(kKORComponent, name, name, proc); };
  publish("KORRegisterProcAddress",
          reinterpret_cast<KORProc>(static_cast<KORRegisterProcAddressProc>(&RegisterProcAddress)));
  publish("KORReportError", reinterpret_cast<KORProc>(static_cast<KORReportErrorProc>(&ReportError)));
  publish("KORUnregisterInterface",
          reinterpret_cast<KORProc>(static_cast<KORUnregisterInterfaceProc>(&UnregisterInterface)));
  publish("KORGetUnregisterCount", reinterpret_cast<KORProc>(static_cast<KORGetUnregisterCountProc>(&UnregisterCount)));
  publish("KORIsMultiThreaded", reinterpret_cast<KORProc>(static_cast<KORIsMultiThreadedProc>(&IsMultiThreaded)));
  RegisterContainerInterface();
  RegisterMemoryInterface();
  RegisterStringInterface();
  RegisterErrorInterface();
}

}  // namespace
}  // namespace kor

KORLookupFunction KORGetLookupFunction() {
  // The broker publishes its own procedures once; what a client unregisters
  // later stays unregistered.
  static const bool registered = (kor::RegisterBrokerProcedures(), true);
  static_cast<void>(registered);
  return &kor::Lookup;
}
