// The termination list: static objects of the client layer that hold caches
// of the broker's procedures. Each links itself into one global list when it
// is constructed; the layer initialises them all at start and terminates them
// all at shutdown, so nothing cached survives a disconnection.
#pragma once

#include "DoubleLinkedList.h"

namespace arborix_internal {

class LazyTerminate : public double_linked_list_element<LazyTerminate> {
 public:
  LazyTerminate();
  virtual ~LazyTerminate();
  // Prepares the member at start; false refuses the start.
  virtual bool Initialise() = 0;
  // Destroys everything the member cached.
  virtual void Terminate() = 0;
  // Forgets what the member cached without freeing it (the broker is gone).
  virtual void Reset() = 0;
};

// Initialises every member in list order. When one refuses or throws, the
// members before it are terminated and the result is false.
bool InitialiseTerminationList();
// Terminates every member; a member that throws is reset instead.
void TerminateTerminationList() noexcept;

}  // namespace arborix_internal
