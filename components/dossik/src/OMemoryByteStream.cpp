#include "Dossik.h"

void OMemoryByteStream::WriteByte(unsigned char byte) { bytes_.push_back(byte); }

void OMemoryByteStream::WriteBlock(const unsigned char* data, std::uint32_t count) {
  bytes_.insert(bytes_.end(), data, data + count);
}

void OMemoryByteStream::MarkFailed() { failed_ = true; }
