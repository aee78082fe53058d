#include "arborix/FileBasedQURInputStream.h"

#include <algorithm>

namespace {
constexpr std::uint32_t kBufferSize = 32768;
constexpr std::uint32_t kMinimumRead = 4096;
}  // namespace

FileBasedQURInputStream::FileBasedQURInputStream(File& file)
    : file_(file), buffered_(file_, kBufferSize, kMinimumRead) {}

FileBasedQURInputStream::~FileBasedQURInputStream() = default;

unsigned int FileBasedQURInputStream::readBytes(unsigned char* const buffer, unsigned int maximum) {
  const std::uint32_t start = buffered_.GetPosition();
  // Unsigned on purpose: a stream that cannot tell its length (0) is asked
  // for the full maximum and ends the data by reading nothing.
  const std::uint32_t left = buffered_.GetLength() - start;
  buffered_.ReadBlock(buffer, std::min<std::uint32_t>(left, maximum));
  return buffered_.GetPosition() - start;
}

std::uint32_t FileBasedQURInputStream::curPos() const { return buffered_.GetPosition(); }
