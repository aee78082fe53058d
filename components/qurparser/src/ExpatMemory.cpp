#include "ExpatMemory.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/PageMemory.h"

namespace qur {
namespace {

// Blocks from this size on are mapped on their own.
constexpr std::size_t kLargestHeapBlock = 256 * 1024;
constexpr std::size_t kPage = 4096;
// The largest freed block that waits for the next one.
constexpr std::size_t kLargestWaitingBlock = 1024 * 1024 + kPage;

// Every block starts with this head, which keeps what follows aligned for any
// type and tells how it was made.
struct alignas(std::max_align_t) Head {
  std::size_t room;  // bytes after the head
  bool mapped;
};

// The mapped block that waits, or null. Taking and giving back are atomic
// exchanges, so parsers on several threads share it safely.
std::atomic<Head*> waiting{nullptr};

void* Payload(Head* head) { return head + 1; }
Head* HeadOf(void* payload) { return static_cast<Head*>(payload) - 1; }

void* Allocate(std::size_t size) {
  if (size > SIZE_MAX - kPage - sizeof(Head)) return nullptr;
  const bool mapped = size >= kLargestHeapBlock;
  if (mapped) {
    if (Head* kept = waiting.exchange(nullptr)) {
      if (kept->room >= size) return Payload(kept);
      platform::UnmapMemory(kept, sizeof(Head) + kept->room);
    }
  }
  const std::size_t bytes = mapped ? (sizeof(Head) + size + kPage - 1) / kPage * kPage : sizeof(Head) + size;
  auto* head = static_cast<Head*>(mapped ? platform::MapMemory(bytes) : std::malloc(bytes));
  if (head == nullptr) return nullptr;
  head->room = bytes - sizeof(Head);
  head->mapped = mapped;
  return Payload(head);
}

void Free(void* payload) {
  if (payload == nullptr) return;
  Head* head = HeadOf(payload);
  if (head->mapped) {
    if (sizeof(Head) + head->room <= kLargestWaitingBlock) head = waiting.exchange(head);
    if (head != nullptr) platform::UnmapMemory(head, sizeof(Head) + head->room);
  } else {
    std::free(head);
  }
}

void* Reallocate(void* payload, std::size_t size) {
  if (payload == nullptr) return Allocate(size);
  Head* head = HeadOf(payload);
  if (size <= head->room && (head->mapped || size < kLargestHeapBlock)) return payload;
  void* grown = Allocate(size);
  if (grown == nullptr) return nullptr;
  std::memcpy(grown, payload, head->room < size ? head->room : size);
  Free(payload);
  return grown;
}

const XML_Memory_Handling_Suite kSuite{&Allocate, &Reallocate, &Free};

}  // namespace

const XML_Memory_Handling_Suite& ExpatMemory() { return kSuite; }

}  // namespace qur
