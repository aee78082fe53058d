#include "ByteCursor.h"

namespace glyphwerk_internal {

bool FailedBeforeReportedEnd(const IByteStream& stream, std::uint32_t position) noexcept {
  try {
    const std::uint32_t length = stream.GetLength();
    return length != 0 && position < length;
  } catch (...) {
    return false;
  }
}

ByteCursor::ByteCursor(IByteStream& stream) : stream_(&stream) {
  try {
    position_ = stream.GetPosition();
  } catch (...) {
    stream_ = nullptr;
    return;
  }
  try {
    current_ = stream.ReadByte();
  } catch (...) {
    stream_ = nullptr;
    if (FailedBeforeReportedEnd(stream, position_)) throw;
    return;
  }
  try {
    length_ = stream.GetLength();
  } catch (...) {
    stream_ = nullptr;
  }
}

void ByteCursor::Advance() {
  if (stream_ == nullptr) return;
  if (length_ != 0 && ++position_ >= length_) {
    stream_ = nullptr;
    return;
  }
  try {
    current_ = stream_->ReadByte();
  } catch (...) {
    // Below the reported length (the test above passed), a read that throws
    // is a failure; without a length it is the end.
    stream_ = nullptr;
    if (length_ != 0) throw;
  }
}

}  // namespace glyphwerk_internal
