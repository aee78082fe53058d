// The memory Expat works in. Its large buffers (the window a parse gathers
// its input in, a long run of text) are mapped on their own and unmapped when
// freed: the C library's heap would keep a freed block of megabytes for the
// next one, and the process would hold it after every parse. One freed large
// block of up to a megabyte waits for the next parse instead, which would
// otherwise map and fault in its window anew, however small its document.
// Small blocks come from the heap.
#pragma once

#include <expat.h>

namespace qur {

// The memory functions to create Expat parsers with.
const XML_Memory_Handling_Suite& ExpatMemory();

}  // namespace qur
