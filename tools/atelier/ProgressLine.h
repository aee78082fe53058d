// The progress line of long work: while a command reads a large input (over
// 50 MB) and standard error is a terminal, a line there tells the bytes read
// out of the total and the rate, redrawn in place and cleared at the end.
// Anywhere else (standard error redirected, --quiet) nothing is written.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "Dossik.h"

namespace atelier {

// Inputs larger than this many bytes show progress.
constexpr std::uint32_t kProgressThreshold = 50u * 1024 * 1024;

class ProgressLine {
 public:
  // A line for reading `total` bytes of the input `name`; shown only when
  // `wanted`, the total is over the threshold and standard error is a terminal.
  ProgressLine(std::string name, std::uint32_t total, bool wanted);
  // Clears the line.
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // `done` bytes are read; redraws at most a few times a second.
  void Update(std::uint32_t done);

 private:
  std::string name_;
  std::uint32_t total_;
  bool shown_;
  std::size_t drawnWidth_ = 0;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point lastDrawn_{};
};

// Reads `source` and tells `line` how far the reads have come.
class ProgressByteStream : public IByteStream {
 public:
  ProgressByteStream(IByteStream& source, ProgressLine& line) : source_(source), line_(line) {}

  unsigned char ReadByte() override;
  std::uint32_t ReadBlock(unsigned char* buffer, std::uint32_t count) override;
  void SetPosition(std::uint32_t position) override { source_.SetPosition(position); }
  std::uint32_t GetPosition() const override { return source_.GetPosition(); }
  std::uint32_t GetLength() const override { return source_.GetLength(); }

 private:
  IByteStream& source_;
  ProgressLine& line_;
};

}  // namespace atelier
