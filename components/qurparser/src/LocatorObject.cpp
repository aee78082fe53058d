#include "LocatorObject.h"

#include <algorithm>
#include <new>

#include "Broker.h"
#include "QURParser.h"

namespace qur {
namespace {

using Interface = _t_ZQURLocatorInterface;

void DestroyLocator(void* object) { delete static_cast<LocatorObject*>(object); }

LocatorObject* LocatorOf(KORContainer handle) {
  return static_cast<LocatorObject*>(InstanceWithSignature(handle, Signatures().locator));
}

KORErrorHandle InvalidLocator() { return InterfaceError("QUR: CQURLocator is invalid", kInvalidObjectID); }

// This parser reads no external entities, so there are no identifiers to give.
KORErrorHandle GetId(KORContainer handle, KORContainer* result) {
  if (LocatorOf(handle) == nullptr || result == nullptr) return InvalidLocator();
  *result = nullptr;
  return nullptr;
}

std::int32_t Clamp(XML_Size value) { return static_cast<std::int32_t>(std::min<XML_Size>(value, INT32_MAX)); }

KORErrorHandle GetLineNumber(KORContainer handle, std::int32_t* number) {
  const LocatorObject* locator = LocatorOf(handle);
  if (locator == nullptr || number == nullptr) return InvalidLocator();
  *number = locator->expat == nullptr ? 0 : Clamp(XML_GetCurrentLineNumber(locator->expat));
  return nullptr;
}

KORErrorHandle GetColumnNumber(KORContainer handle, std::int32_t* number) {
  const LocatorObject* locator = LocatorOf(handle);
  if (locator == nullptr || number == nullptr) return InvalidLocator();
  *number = locator->expat == nullptr ? 0 : Clamp(XML_GetCurrentColumnNumber(locator->expat) + 1);
  return nullptr;
}

}  // namespace

KORErrorHandle NewLocator(LocatorObject** locator, KORContainer* result) {
  *locator = new (std::nothrow) LocatorObject;
  *result = nullptr;
  if (*locator == nullptr) return OutOfMemory();
  KORErrorHandle error = WrapObject(Interface::kKind.signature, *locator, &DestroyLocator, result);
  if (error != nullptr) *locator = nullptr;
  return error;
}

bool PublishLocatorProcedures() {
  const KORProc methods[] = {
      reinterpret_cast<KORProc>(static_cast<Interface::getIdProc>(&GetId)),
      reinterpret_cast<KORProc>(static_cast<Interface::getIdProc>(&GetId)),
      reinterpret_cast<KORProc>(static_cast<Interface::getNumberProc>(&GetLineNumber)),
      reinterpret_cast<KORProc>(static_cast<Interface::getNumberProc>(&GetColumnNumber)),
  };
  return PublishObjectMethods(Interface::kKind, Interface::kMethods, methods);
}

}  // namespace qur
