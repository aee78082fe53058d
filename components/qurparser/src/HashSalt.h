// The salt of Expat's hash tables, which keeps a document from being built to
// make them slow. Expat draws a new one from the system for each parser it
// makes, a system call each time (about 7 % of a small file's parse); the
// salt is drawn here once for the process instead, as other XML libraries
// draw theirs. No document can learn it: nothing a parse reports shows it.
#pragma once

namespace qur {

// The process's salt, drawn from the system's random source at the first
// call; 0 when no random source answers, which leaves Expat to draw its own.
unsigned long ProcessHashSalt() noexcept;

}  // namespace qur
