#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <typeinfo>
#include <utility>

#include "Dossik.h"

namespace {

std::vector<unsigned char> CheckedSize(std::vector<unsigned char> bytes) {
  if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("a byte stream holds at most 4 GiB - 1 bytes");
  }
  return bytes;
}

}  // namespace

IMemoryByteStream::IMemoryByteStream(std::vector<unsigned char> bytes) : bytes_(CheckedSize(std::move(bytes))) {}

IMemoryByteStream::IMemoryByteStream(const void* data, std::size_t size)
    : IMemoryByteStream(std::vector<unsigned char>(static_cast<const unsigned char*>(data),
                                                   static_cast<const unsigned char*>(data) + size)) {}

unsigned char IMemoryByteStream::ReadByte() {
  if (position_ >= bytes_.size()) throw EndOfDataError();
  return bytes_[position_++];
}

std::uint32_t IMemoryByteStream::ReadBlock(unsigned char* buffer, std::uint32_t count) {
  const std::uint32_t take = std::min(count, static_cast<std::uint32_t>(Window().size()));
  if (take != 0) std::memcpy(buffer, bytes_.data() + position_, take);
  position_ += take;
  return take;
}

// Positions beyond the end are allowed; reading there finds the end of data.
void IMemoryByteStream::SetPosition(std::uint32_t position) { position_ = position; }

std::uint32_t IMemoryByteStream::GetPosition() const { return position_; }

std::uint32_t IMemoryByteStream::GetLength() const { return static_cast<std::uint32_t>(bytes_.size()); }

IByteWindow* IMemoryByteStream::InPlaceWindow() noexcept {
  return typeid(*this) == typeid(IMemoryByteStream) ? this : nullptr;
}

std::span<const unsigned char> IMemoryByteStream::Window() const noexcept {
  if (position_ >= bytes_.size()) return {};
  return {bytes_.data() + position_, bytes_.size() - position_};
}

void IMemoryByteStream::Skip(std::uint32_t count) noexcept { position_ += count; }
