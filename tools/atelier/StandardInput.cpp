#include "StandardInput.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <system_error>

#include "CommandRegistry.h"
#include "PathArguments.h"

namespace atelier {

bool IsStandardInput(std::string_view argument) { return argument == "-"; }

namespace {

// Hands every block of standard input to `take`, up to its end; fails as
// ReadStandardInput says.
template <class Take>
void ReadStandardInputBlocks(Take&& take) {
  constexpr std::uint64_t kLargest = std::numeric_limits<std::uint32_t>::max();
  std::uint64_t total = 0;
  unsigned char block[65536];
  while (true) {
    errno = 0;
    const std::size_t read = std::fread(block, 1, sizeof block, stdin);
    total += read;
    if (total > kLargest) {
      throw CommandFailure{"-: standard input holds more than " + std::to_string(kLargest) + " bytes", kExitWorkFailed};
    }
    take(block, static_cast<std::uint32_t>(read));
    if (read == sizeof block) continue;
    if (std::ferror(stdin) != 0) {
      const int reason = errno != 0 ? errno : EIO;
      std::clearerr(stdin);
      throw CommandFailure{std::string("-: cannot read standard input: ") + std::strerror(reason), kExitWorkFailed};
    }
    if (std::feof(stdin) != 0) {
      std::clearerr(stdin);  // a terminal may give more after its end of file
      return;
    }
  }
}

}  // namespace

std::vector<unsigned char> ReadStandardInput() {
  std::vector<unsigned char> bytes;
  ReadStandardInputBlocks(
      [&bytes](const unsigned char* block, std::uint32_t count) { bytes.insert(bytes.end(), block, block + count); });
  return bytes;
}

InputBytes::InputBytes(std::string_view argument, bool showProgress) {
  if (IsStandardInput(argument)) {
    source_ = std::make_unique<IMemoryByteStream>(ReadStandardInput());
  } else {
    RequireInputFile(argument);
    source_ = std::make_unique<IPlatformByteStream>(File(PathFromUTF8(argument)));
  }
  Watch(std::string(argument), showProgress);
}

InputBytes::InputBytes(const File& file, const std::string& name, bool showProgress)
    : source_(std::make_unique<IPlatformByteStream>(file)) {
  Watch(name, showProgress);
}

void InputBytes::Watch(const std::string& name, bool showProgress) {
  progress_ = std::make_unique<ProgressLine>(name, source_->GetLength(), showProgress);
  watched_ = std::make_unique<ProgressByteStream>(*source_, *progress_);
  buffered_ = std::make_unique<IBufferedByteStream>(*watched_, 32768, 4096);
}

namespace {

// A name in the temporary folder that no file has; the random part keeps
// others from guessing it.
std::filesystem::path UnusedTemporaryPath() {
  std::random_device random;
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  while (true) {
    const std::filesystem::path path =
        folder / ("atelier-stdin-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::error_code unknown;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, unknown))) return path;
  }
}

}  // namespace

StandardInputCopy::StandardInputCopy() {
  File copy(UnusedTemporaryPath());
  OPlatformByteStream out(copy);
  ReadStandardInputBlocks([&out](const unsigned char* block, std::uint32_t count) { out.WriteBlock(block, count); });
  out.Close();
  file_ = copy;
}

StandardInputCopy::~StandardInputCopy() {
  std::error_code ignored;
  std::filesystem::remove(file_.GetPath(), ignored);
}

}  // namespace atelier
