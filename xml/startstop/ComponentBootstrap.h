// The three calls through which Arborix reaches the broker and the parser
// component before any lookup is possible. A Linux build links them by name; a
// Windows build imports them by ordinal alone (broker 5, parser 1 and 2, see
// the *Ordinals.def files beside this one). The calls themselves are the same.
#pragma once

#include <cstdint>

#include "KOR.h"

namespace arborix_internal {

// The broker's lookup function (broker export, ordinal 5).
KORLookupFunction BrokerLookupFunction();
// Starts the parser component (parser export, ordinal 1); 1 on success.
std::int32_t StartParserComponent(KORLookupFunction lookup, std::int32_t (*host)());
// Stops the parser component (parser export, ordinal 2).
void StopParserComponent();

}  // namespace arborix_internal
