// The costly parts of a parse, kept from one parse to the next: the memory
// of the parser object and the block that stream reads land in, both of a
// fixed size. One of each waits between parses. Taking and giving back are
// atomic exchanges, which keeps each block whole; they do not make parses on
// several threads at once safe: the broker's containers are not locked, and
// parses run one at a time in the process.
//
// No Expat parser is kept: a reset Expat parser keeps the name pools, entity
// pools and hash tables that its last document grew, which a hostile document
// can make hundreds of megabytes. Keeping one saved about 0.3 microseconds a
// parse (8% of a four-character buffer's parse, 3% of a 450-character one's,
// nothing measurable at 100,000 characters): not worth bounding those pools.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace qur {

// A block of memory of one size, of which one waits to be taken again. Reusing
// it keeps a parse from asking the heap for a large block just after a large
// structure was freed: glibc's allocator would first merge every small chunk
// freed before (malloc_consolidate), which can cost more than the parse.
class WaitingMemory {
 public:
  explicit constexpr WaitingMemory(std::size_t size) : size_(size) {}
  WaitingMemory(const WaitingMemory&) = delete;
  WaitingMemory& operator=(const WaitingMemory&) = delete;

  std::size_t size() const { return size_; }
  // The waiting block, or a new one; null when out of memory.
  void* Take() noexcept;
  // Makes `memory` (from Take; null is ignored) the waiting block.
  void GiveBack(void* memory) noexcept;

 private:
  std::size_t size_;
  std::atomic<void*> waiting_{nullptr};
};

// The block a parse reads its stream into; taken from the waiting one when
// there is one, handed back to wait for the next parse when destroyed.
class ReadBlock {
 public:
  static constexpr std::uint32_t kSize = 64 * 1024;

  ReadBlock();  // throws std::bad_alloc
  ReadBlock(const ReadBlock&) = delete;
  ReadBlock& operator=(const ReadBlock&) = delete;
  ~ReadBlock();

  unsigned char* data() const { return bytes_; }

 private:
  unsigned char* bytes_;
};

// How much a parse run to its end gathers in Expat's buffer before parsing
// it: a document up to about this size (most files people have) is parsed in
// one final call, which spares Expat the scan for line and column it makes
// at the end of every partial call (about a third of its time on plain
// text). The room left to a power of two holds what Expat keeps of the
// window before. Expat's buffer of that power of two waits between parses
// (see ExpatMemory.h), so it is kept small: the process holds it for good.
struct ReadWindow {
  static constexpr std::uint32_t kSize = 1024 * 1024 - 2 * ReadBlock::kSize;
};

}  // namespace qur
