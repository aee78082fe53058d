// A stream over fixed bytes that is not one of Dossik's own, so the decoders
// read it one byte at a time. It writes down every call, can report any
// length, and can fail its reads from a chosen byte on.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Dossik.h"

namespace decodingtest {

class ScriptedStream : public IByteStream {
 public:
  explicit ScriptedStream(std::string bytes) : bytes_(std::move(bytes)) {}

  // Reports `length` instead of the true one (0: cannot tell).
  ScriptedStream& ReportLength(std::uint32_t length) {
    reportedLength_ = length;
    return *this;
  }
  // Reads of byte `index` and beyond throw std::runtime_error("disk error").
  ScriptedStream& FailReadsFrom(std::uint32_t index) {
    failFrom_ = index;
    return *this;
  }

  unsigned char ReadByte() override {
    calls.push_back("ReadByte");
    if (failFrom_ && position_ >= *failFrom_) throw std::runtime_error("disk error");
    if (position_ >= bytes_.size()) throw EndOfDataError();
    return static_cast<unsigned char>(bytes_[position_++]);
  }
  std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) override {
    calls.push_back("ReadBlock(" + std::to_string(count) + ")");
    std::uint32_t read = 0;
    for (; read < count; ++read) {
      if (failFrom_ && position_ >= *failFrom_) throw std::runtime_error("disk error");
      if (position_ >= bytes_.size()) break;
      buffer[read] = static_cast<unsigned char>(bytes_[position_++]);
    }
    return read;
  }
  void SetPosition(std::uint32_t position) override {
    calls.push_back("SetPosition(" + std::to_string(position) + ")");
    position_ = position;
  }
  std::uint32_t GetPosition() const override {
    calls.push_back("GetPosition");
    return position_;
  }
  std::uint32_t GetLength() const override {
    calls.push_back("GetLength");
    return reportedLength_ ? *reportedLength_ : static_cast<std::uint32_t>(bytes_.size());
  }

  std::uint32_t Position() const { return position_; }
  mutable std::vector<std::string> calls;

 private:
  std::string bytes_;
  std::uint32_t position_ = 0;
  std::optional<std::uint32_t> reportedLength_;
  std::optional<std::uint32_t> failFrom_;
};

}  // namespace decodingtest
