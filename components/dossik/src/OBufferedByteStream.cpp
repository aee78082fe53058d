#include <algorithm>
#include <cstring>
#include <exception>

#include "Dossik.h"

OBufferedByteStream::OBufferedByteStream(OByteStream& sink, std::uint32_t bufferSize, std::uint32_t minimumWrite)
    : sink_(sink),
      buffer_(std::max<std::uint32_t>(bufferSize, 1)),
      minimumWrite_(std::max<std::uint32_t>(minimumWrite, 1)),
      exceptionsAtStart_(std::uncaught_exceptions()) {}

OBufferedByteStream::~OBufferedByteStream() {
  if (failed_) return;
  if (std::uncaught_exceptions() > exceptionsAtStart_) {
    sink_.MarkFailed();
    return;
  }
  try {
    Drain();
  } catch (...) {
    // Drain marked the sink failed, which is all a destructor can do.
  }
}

void OBufferedByteStream::Drain() {
  if (used_ == 0) return;
  try {
    sink_.WriteBlock(buffer_.data(), used_);
  } catch (...) {
    failed_ = true;
    sink_.MarkFailed();
    throw;
  }
  used_ = 0;
}

void OBufferedByteStream::WriteByte(unsigned char byte) { WriteBlock(&byte, 1); }

void OBufferedByteStream::WriteBlock(const unsigned char* data, std::uint32_t count) {
  if (failed_) return;  // the sink is marked failed and discards everything anyway
  if (count >= minimumWrite_) {
    Drain();
    try {
      sink_.WriteBlock(data, count);
    } catch (...) {
      failed_ = true;
      sink_.MarkFailed();
      throw;
    }
    return;
  }
  while (count != 0) {
    if (used_ == buffer_.size()) Drain();
    const std::uint32_t take = std::min(count, static_cast<std::uint32_t>(buffer_.size()) - used_);
    std::memcpy(buffer_.data() + used_, data, take);
    used_ += take;
    data += take;
    count -= take;
  }
}

void OBufferedByteStream::MarkFailed() {
  failed_ = true;
  used_ = 0;
  sink_.MarkFailed();
}
