/// @file
/// XMLEntryExit: connects Arborix to the parser component for as long as it
/// lives. Construct one before parsing XML or loading a property list, and keep
/// it until the last such call has returned; without one, a parse throws
/// ZEVException telling to construct it.
///
/// The constructor obtains the broker's lookup function, starts the client
/// layer (broker interfaces cached) and starts the parser component; the
/// destructor stops the parser component and frees the caches. Neither reports
/// failure: a failed start shows as a parse that throws. Objects nest: a second
/// one repeats the parser component's start, and only the destruction of the
/// last living one disconnects.
///
/// Nothing here is locked: construction, destruction, parsing and
/// property-list loading run one call at a time in the process. A parse that
/// starts while another thread is parsing fails with ZEVException (see
/// ParseXML.h).
#pragma once

#include "ArborixExport.h"

/// The connection of Arborix to the parser component, for as long as the
/// object lives.
class ARBORIX_EXPORT XMLEntryExit {
 public:
  /// Obtains the broker's lookup function, starts the client layer and starts
  /// the parser component.
  XMLEntryExit();
  XMLEntryExit(const XMLEntryExit&) = delete;
  XMLEntryExit& operator=(const XMLEntryExit&) = delete;
  /// Stops the parser component; the last living object also frees the
  /// client layer's caches.
  virtual ~XMLEntryExit();
};
