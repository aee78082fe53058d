#include "ByteCursor.h"

namespace glyphwerk_internal {

ByteCursor::ByteCursor(IByteStream& stream) noexcept : stream_(&stream) {
  try {
    position_ = stream.GetPosition();
    current_ = stream.ReadByte();
    length_ = stream.GetLength();
  } catch (...) {
    stream_ = nullptr;
  }
}

void ByteCursor::Advance() noexcept {
  if (stream_ == nullptr) return;
  try {
    if (length_ != 0 && ++position_ >= length_) {
      stream_ = nullptr;
      return;
    }
    current_ = stream_->ReadByte();
  } catch (...) {
    stream_ = nullptr;
  }
}

}  // namespace glyphwerk_internal
