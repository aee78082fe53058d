#include "ClientLayer.h"

#include <iterator>

#include "BrokerCalls.h"
#include "LazyTerminate.h"
#include "QURParser.h"
#include "arborix/client/ZEVException.h"

namespace arborix_internal {
namespace {

constexpr const char* kOwnSignatures[] = {kQURContentHandlerSignature, kQURErrorHandlerSignature,
                                          kQURBinInputStreamSignature};

struct Connection {
  KORLookupFunction lookup = nullptr;
  KORStringAtom ownSignatures[std::size(kOwnSignatures)] = {};
  KORGetUnregisterCountProc unregisterCount = nullptr;
  bool throwOnMissing = false;
  bool ready = false;  // the last start succeeded
  std::int32_t primaryInstanceOffset = 0;
};

Connection& TheConnection() {
  static constinit Connection connection;
  return connection;
}

CachedInterface& Table(Interface which) {
  // Constant-initialised: asking for a table costs no first-use check.
  static constinit CachedInterface tables[] = {
      {kKORContainerInterface, kKORContainerMethods}, {kKORErrorInterface, kKORErrorMethods},
      {kKORStringInterface, kKORStringMethods},       {kKORMemoryInterface, kKORMemoryMethods},
      {kQURNewStringInterface, kQURNewStringMethods}, {kQURNewSAX2ParserInterface, kQURNewSAX2ParserMethods},
  };
  return tables[static_cast<int>(which)];
}

// The broker's own procedures a client must find; only the unregister count is called.
constexpr const char* kBrokerProcedures[] = {"KORRegisterProcAddress", "KORReportError", "KORUnregisterInterface",
                                             "KORGetUnregisterCount", "KORIsMultiThreaded"};

}  // namespace

bool StartClientLayer(KORLookupFunction lookup) {
  Connection& connection = TheConnection();
  if (connection.lookup != nullptr) return true;
  if (lookup == nullptr) return false;
  connection.lookup = lookup;
  for (const char* name : kBrokerProcedures) {
    if (lookup(kKORComponent, name, name) == nullptr) return false;
  }
  connection.unregisterCount =
      reinterpret_cast<KORGetUnregisterCountProc>(lookup(kKORComponent, "KORGetUnregisterCount", "KORGetUnregisterCount"));

  connection.throwOnMissing = false;
  if (!Table(Interface::Container).Fill()) return false;
  connection.primaryInstanceOffset = Table(Interface::Container)
      .Get<KORGetOffsetToPrimaryInstProc>(kKORContainerGetOffsetToPrimaryInstance)();
  for (Interface which : {Interface::Error, Interface::String, Interface::Memory}) {
    if (!Table(which).Fill()) return false;
  }
  connection.throwOnMissing = true;
  connection.ready = InitialiseTerminationList();
  return connection.ready;
}

void ShutdownClientLayer() noexcept {
  Connection& connection = TheConnection();
  if (connection.lookup == nullptr) return;
  TerminateTerminationList();
  for (KORStringAtom atom : connection.ownSignatures) DeleteStringAtom(atom);
  for (Interface which : {Interface::Container, Interface::Error, Interface::String, Interface::Memory}) {
    Table(which).Forget();
  }
  connection = Connection{};
}

bool ClientLayerStarted() { return TheConnection().lookup != nullptr; }
KORLookupFunction LookupFunction() { return TheConnection().lookup; }

const CachedInterface& Use(Interface which) {
  if (!ClientLayerStarted()) throw ZEVException(kNotStartedMessage);
  if (!TheConnection().ready) throw ZEVException(kStartFailedMessage);
  const CachedInterface* table = Table(which).Current();
  if (table == nullptr) throw ZEVException("Missing Interface");
  return *table;
}

void ForgetParserFactories() {
  Table(Interface::NewString).Forget();
  Table(Interface::NewSAX2Parser).Forget();
}

KORStringAtom SignatureAtom(OwnObject which) {
  KORStringAtom& atom = TheConnection().ownSignatures[static_cast<int>(which)];
  if (atom == nullptr) atom = StringAtom(kOwnSignatures[static_cast<int>(which)]).release();
  return atom;
}

std::uint32_t UnregisterCount() {
  const auto proc = TheConnection().unregisterCount;
  return proc == nullptr ? 0 : proc();
}

std::int32_t PrimaryInstanceOffset() { return TheConnection().primaryInstanceOffset; }
bool ThrowsOnMissingInterface() { return TheConnection().throwOnMissing; }

}  // namespace arborix_internal
