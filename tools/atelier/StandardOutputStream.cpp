#include "StandardOutputStream.h"

#include <iostream>

#include "CommandRegistry.h"

namespace atelier {

void StandardOutputStream::WriteByte(unsigned char byte) { std::cout.put(static_cast<char>(byte)); }

void StandardOutputStream::WriteBlock(const unsigned char* data, std::uint32_t count) {
  std::cout.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(count));
}

void StandardOutputStream::Finish() {
  if (!std::cout.flush()) throw CommandFailure{"", kExitWorkFailed};
}

bool IsStandardOutput(const std::filesystem::path& path) { return path == std::filesystem::path("-"); }

}  // namespace atelier
