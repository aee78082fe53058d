// The parser component's start and stop exports.
#include "AttributesObject.h"
#include "Broker.h"
#include "LocatorObject.h"
#include "QURParser.h"
#include "SAX2ParserMethods.h"
#include "StringObject.h"

namespace qur {
namespace {

std::int32_t& StartCount() {
  static std::int32_t count = 0;
  return count;
}

// Everything this component publishes, so that the last stop withdraws it all.
constexpr const char* kPublishedNames[] = {
    kQURNewStringInterface,
    kQURNewSAX2ParserInterface,
    _t_ZQURStringInterface::kKind.signature,
    _t_ZQURAttributesInterface::kKind.signature,
    _t_ZQURLocatorInterface::kKind.signature,
    _t_ZQURSAX2ParserInterface::kKind.signature,
};

void Withdraw() {
  for (const char* name : kPublishedNames) Broker().unregisterInterface(name);
  DropSignatureAtoms();
  DisconnectBroker();
}

}  // namespace
}  // namespace qur

std::int32_t QURStart(KORLookupFunction lookup, QURHostCallback host) {
  using namespace qur;
  if (lookup == nullptr || host == nullptr || host() != 1) return 0;
  if (StartCount() > 0) {
    ++StartCount();
    return 1;
  }
  if (!ConnectBroker(lookup)) return 0;
  if (!MakeSignatureAtoms() || !PublishStringProcedures() || !PublishAttributesProcedures() ||
      !PublishLocatorProcedures() || !PublishParserProcedures()) {
    Withdraw();
    return 0;
  }
  StartCount() = 1;
  return 1;
}

void QURStop() {
  using namespace qur;
  if (StartCount() == 0 || --StartCount() > 0) return;
  Withdraw();
}
