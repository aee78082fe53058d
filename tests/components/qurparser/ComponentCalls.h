// Calls into the parser component and the broker the way a client makes
// them: through the procedures the broker's lookup function finds by name.
#pragma once

#include <cstdint>
#include <string>

#include "KOR.h"
#include "QURParser.h"

namespace component_test {

inline std::int32_t HostReady() { return 1; }

inline KORProc Find(const char* component, const KORMethodName& name) {
  return KORGetLookupFunction()(component, name.method, name.procedure);
}

// The published method `index` of the object kind `Interface`, as a `Proc`.
template <class Interface, class Proc>
Proc Method(int index) {
  const std::string procedure = std::string(Interface::kKind.prefix) + Interface::kMethods[index] + "Meth";
  return reinterpret_cast<Proc>(KORGetLookupFunction()(Interface::kKind.signature, Interface::kMethods[index],
                                                       procedure.c_str()));
}

inline void Release(KORContainer container) {
  reinterpret_cast<KORReleaseContainerProc>(Find(kKORContainerInterface, kKORContainerMethods[kKORContainerRelease]))(
      container);
}

inline void ReleaseError(KORErrorHandle error) {
  reinterpret_cast<KORErrorReleaseProc>(Find(kKORErrorInterface, kKORErrorMethods[kKORErrorRelease]))(error);
}

// The numeric ID of `error` (which stays the caller's).
inline std::intptr_t ErrorID(KORErrorHandle error) {
  return reinterpret_cast<KORErrorGetIDProc>(Find(kKORErrorInterface, kKORErrorMethods[kKORErrorGetID]))(error);
}

// A new SAX2 parser, or null.
inline KORContainer NewSAX2Parser() {
  KORContainer parser = nullptr;
  reinterpret_cast<QURNewSAX2ParserProc>(Find(kQURNewSAX2ParserInterface, kQURNewSAX2ParserMethods[kQURNewSAX2Parser]))(
      kQURSAX2ParserKind, &parser);
  return parser;
}

}  // namespace component_test
