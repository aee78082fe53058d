#include "ComponentBootstrap.h"

#include "QURParser.h"

namespace arborix_internal {

KORLookupFunction BrokerLookupFunction() { return KORGetLookupFunction(); }

std::int32_t StartParserComponent(KORLookupFunction lookup, std::int32_t (*host)()) { return QURStart(lookup, host); }

void StopParserComponent() { QURStop(); }

}  // namespace arborix_internal
