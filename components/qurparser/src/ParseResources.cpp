#include "ParseResources.h"

#include <atomic>
#include <new>

namespace qur {
namespace {

// A parser that held more than this at once is not kept.
constexpr std::size_t kLargestKeptBuffer = ReadWindow::kSize + 2 * ReadBlock::kSize;

std::atomic<XML_Parser> waitingParser{nullptr};
constinit WaitingMemory blockMemory{ReadBlock::kSize};

}  // namespace

void* WaitingMemory::Take() noexcept {
  if (void* memory = waiting_.exchange(nullptr)) return memory;
  return ::operator new(size_, std::nothrow);
}

void WaitingMemory::GiveBack(void* memory) noexcept {
  if (memory != nullptr) ::operator delete(waiting_.exchange(memory));
}

ReadBlock::ReadBlock() : bytes_(static_cast<unsigned char*>(blockMemory.Take())) {
  if (bytes_ == nullptr) throw std::bad_alloc();
}

ReadBlock::~ReadBlock() { blockMemory.GiveBack(bytes_); }

XML_Parser TakeExpatParser(const char* encoding) {
  if (XML_Parser parser = waitingParser.exchange(nullptr)) {
    if (XML_ParserReset(parser, encoding) == XML_TRUE) return parser;
    XML_ParserFree(parser);
  }
  return XML_ParserCreate(encoding);
}

void GiveBackExpatParser(XML_Parser parser, std::size_t largestBuffer) {
  if (parser == nullptr) return;
  if (largestBuffer == 0 || largestBuffer > kLargestKeptBuffer) {
    XML_ParserFree(parser);
    return;
  }
  if (XML_Parser previous = waitingParser.exchange(parser)) XML_ParserFree(previous);
}

std::size_t BufferedInput(XML_Parser parser) {
  int offset = 0;
  int size = 0;
  if (XML_GetInputContext(parser, &offset, &size) == nullptr || size < 0) return 0;
  return static_cast<std::size_t>(size);
}

}  // namespace qur
