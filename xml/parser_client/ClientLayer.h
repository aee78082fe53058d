// The client layer's connection to the broker: the lookup function received
// at start, the broker's own interfaces and the parser's factories, each
// cached (CachedInterface), and the start and shutdown of the whole layer.
#pragma once

#include <cstdint>

#include "CachedInterface.h"
#include "KOR.h"

namespace arborix_internal {

// Start: stores the lookup function, checks the broker's five own procedures,
// caches the container (and the primary-instance offset), error, string and
// memory interfaces, then initialises the termination list. A stored lookup
// function makes a later call succeed at once, even after a failed start.
bool StartClientLayer(KORLookupFunction lookup);
// Terminates every member of the termination list and forgets the lookup
// function and every cached table.
void ShutdownClientLayer() noexcept;
bool ClientLayerStarted();
// The stored lookup function, or null.
KORLookupFunction LookupFunction();

enum class Interface { Container, Error, String, Memory, NewString, NewSAX2Parser };

inline constexpr const char* kNotStartedMessage =
    "the XML parser is not started: construct an XMLEntryExit and keep it alive while parsing";

inline constexpr const char* kStartFailedMessage =
    "the XML parser could not be started: the broker lacks procedures it needs";

// The current table of an interface. Throws ZEVException(kNotStartedMessage)
// when the layer has not been started, ZEVException(kStartFailedMessage) when
// its start failed, and ZEVException("Missing Interface")
// (or CKORError, once started) when the table cannot be looked up.
const CachedInterface& Use(Interface which);
// Forgets the cached parser factories (the services helper's termination).
void ForgetParserFactories();

// The signature atoms of the library's own objects, which the callback
// entries compare with what a container holds: made at the first use (throws
// what StringAtom throws), dropped at shutdown.
enum class OwnObject { ContentHandler, ErrorHandler, BinInputStream };
KORStringAtom SignatureAtom(OwnObject which);

std::uint32_t UnregisterCount();
std::int32_t PrimaryInstanceOffset();
bool ThrowsOnMissingInterface();

}  // namespace arborix_internal
