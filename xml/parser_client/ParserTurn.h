// Parsing runs one call at a time in the process: the broker's containers and
// this layer's caches are shared and not locked. A ParserTurn marks the
// thread that is parsing for as long as it lives, so that a parse started on
// another thread meanwhile fails at once with a clear error instead of
// corrupting them. The thread that holds the turn may take it again: a
// handler may parse a buffer of its own while its parse runs.
#pragma once

namespace arborix_internal {

class ParserTurn {
 public:
  // Throws ZEVException while another thread holds the turn.
  ParserTurn();
  ParserTurn(const ParserTurn&) = delete;
  ParserTurn& operator=(const ParserTurn&) = delete;
  ~ParserTurn();
};

}  // namespace arborix_internal
