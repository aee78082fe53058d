#include "arborix/XMLEntryExit.h"

#include "parser_client/ClientLayer.h"
#include "startstop/ComponentBootstrap.h"

namespace {

std::int32_t HostReady() { return 1; }

// Living XMLEntryExit objects: the client layer stays connected while any does.
int gLivingEntryExits = 0;

}  // namespace

XMLEntryExit::XMLEntryExit() {
  using namespace arborix_internal;
  const KORLookupFunction lookup = BrokerLookupFunction();
  static_cast<void>(StartClientLayer(lookup));
  static_cast<void>(StartParserComponent(lookup, &HostReady));
  ++gLivingEntryExits;
}

XMLEntryExit::~XMLEntryExit() {
  using namespace arborix_internal;
  StopParserComponent();
  if (--gLivingEntryExits == 0) ShutdownClientLayer();
}
