#include "ParserTurn.h"

#include <atomic>

#include "arborix/client/ZEVException.h"

namespace arborix_internal {
namespace {

std::atomic<bool> taken{false};
thread_local int turnsHeld = 0;  // by this thread, counting nested parses

}  // namespace

ParserTurn::ParserTurn() {
  if (turnsHeld == 0 && taken.exchange(true, std::memory_order_acquire)) {
    throw ZEVException("XML calls run one at a time: another thread is parsing");
  }
  ++turnsHeld;
}

ParserTurn::~ParserTurn() {
  if (--turnsHeld == 0) taken.store(false, std::memory_order_release);
}

}  // namespace arborix_internal
