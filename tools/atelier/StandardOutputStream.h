// Standard output as a byte stream, for the output path "-". Bytes go out as
// they are written: standard output cannot be replaced whole, so a stream
// marked failed cannot take back what it already passed on. The reason of a
// failed write is given by the tool's check of standard output before it exits.
#pragma once

#include <cstdint>
#include <filesystem>

#include "Dossik.h"

namespace atelier {

class StandardOutputStream : public OByteStream {
 public:
  void WriteByte(unsigned char byte) override;
  void WriteBlock(const unsigned char* data, std::uint32_t count) override;
  void MarkFailed() override {}
  // Writes out what standard output holds. When anything written to it
  // failed, ends the command with exit code 1 and no message of its own, so
  // that nothing reports the bytes as written.
  void Finish();
};

// Whether an output path names standard output: it is "-".
bool IsStandardOutput(const std::filesystem::path& path);

}  // namespace atelier
