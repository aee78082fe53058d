#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "Dossik.h"

IBufferedByteStream::IBufferedByteStream(IByteStream& source, std::uint32_t bufferSize, std::uint32_t minimumRead)
    : source_(source),
      bufferSize_(std::max<std::uint32_t>(bufferSize, 1)),
      minimumRead_(std::max<std::uint32_t>(minimumRead, 1)),
      bufferStart_(source.GetPosition()) {}

IBufferedByteStream::~IBufferedByteStream() = default;

bool IBufferedByteStream::Refill() {
  bufferStart_ += filled_;
  next_ = filled_ = 0;
  if (buffer_.empty()) buffer_.resize(bufferSize_);
  filled_ = source_.ReadBlock(buffer_.data(), bufferSize_);
  return filled_ != 0;
}

bool IBufferedByteStream::TakesTheRest(std::uint32_t wanted) const {
  const std::uint32_t length = source_.GetLength();
  const std::uint32_t at = bufferStart_ + filled_;
  return length > at && wanted >= length - at;
}

unsigned char IBufferedByteStream::ReadByte() {
  if (next_ == filled_ && !Refill()) throw EndOfDataError();
  return buffer_[next_++];
}

std::uint32_t IBufferedByteStream::ReadBlock(unsigned char* buffer, std::uint32_t count) {
  std::uint32_t done = 0;
  while (done < count) {
    if (next_ == filled_) {
      const std::uint32_t wanted = count - done;
      if (wanted >= minimumRead_ || TakesTheRest(wanted)) {
        // Large reads, and reads of all the source has left, skip the copy
        // through the buffer.
        bufferStart_ += filled_;
        next_ = filled_ = 0;
        const std::uint32_t read = source_.ReadBlock(buffer + done, wanted);
        bufferStart_ += read;
        return done + read;
      }
      if (!Refill()) break;
    }
    const std::uint32_t take = std::min(count - done, filled_ - next_);
    std::memcpy(buffer + done, buffer_.data() + next_, take);
    next_ += take;
    done += take;
  }
  return done;
}

void IBufferedByteStream::SetPosition(std::uint32_t position) {
  if (position >= bufferStart_ && position - bufferStart_ <= filled_) {
    next_ = position - bufferStart_;
    return;
  }
  source_.SetPosition(position);
  bufferStart_ = position;
  next_ = filled_ = 0;
}

std::uint32_t IBufferedByteStream::GetPosition() const { return bufferStart_ + next_; }

std::uint32_t IBufferedByteStream::GetLength() const { return source_.GetLength(); }

IByteWindow* IBufferedByteStream::InPlaceWindow() noexcept {
  return typeid(*this) == typeid(IBufferedByteStream) ? this : nullptr;
}

std::span<const unsigned char> IBufferedByteStream::Window() const noexcept {
  return {buffer_.data() + next_, filled_ - next_};
}

void IBufferedByteStream::Skip(std::uint32_t count) noexcept { next_ += count; }
