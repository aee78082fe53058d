#include "ProgressLine.h"

#include <cstdio>
#include <iostream>
#include <utility>

#include "platform/ProgramText.h"

namespace atelier {
namespace {

std::string Megabytes(double bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", bytes / (1024.0 * 1024.0));
  return text;
}

}  // namespace

ProgressLine::ProgressLine(std::string name, std::uint32_t total, bool wanted)
    : name_(std::move(name)), total_(total),
      shown_(wanted && total > kProgressThreshold && platform::StandardErrorIsTerminal()) {}

ProgressLine::~ProgressLine() {
  if (drawnWidth_ == 0) return;
  std::cerr << '\r' << std::string(drawnWidth_, ' ') << '\r' << std::flush;
}

void ProgressLine::Update(std::uint32_t done) {
  if (!shown_) return;
  const auto now = std::chrono::steady_clock::now();
  if (drawnWidth_ != 0 && now - lastDrawn_ < std::chrono::milliseconds(200)) return;
  lastDrawn_ = now;
  const double seconds = std::chrono::duration<double>(now - start_).count();
  std::string line = "atelier: " + name_ + ": " + Megabytes(done) + " of " + Megabytes(total_);
  if (seconds > 0) line += ", " + Megabytes(done / seconds) + "/s";
  const std::size_t width = line.size();
  if (width < drawnWidth_) line += std::string(drawnWidth_ - width, ' ');
  std::cerr << '\r' << line << std::flush;
  drawnWidth_ = std::max(drawnWidth_, width);
}

unsigned char ProgressByteStream::ReadByte() {
  const unsigned char byte = source_.ReadByte();
  line_.Update(source_.GetPosition());
  return byte;
}

std::uint32_t ProgressByteStream::ReadBlock(unsigned char* buffer, std::uint32_t count) {
  const std::uint32_t read = source_.ReadBlock(buffer, count);
  line_.Update(source_.GetPosition());
  return read;
}

}  // namespace atelier
