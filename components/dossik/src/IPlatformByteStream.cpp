#include <cerrno>
#include <cstdio>
#include <limits>
#include <system_error>

#include "Dossik.h"
#include "NativeFiles.h"
#include "SystemErrors.h"

using dossik_internal::SystemFileError;

struct IPlatformByteStream::Impl {
  std::filesystem::path path;
  std::FILE* file = nullptr;
  std::uint32_t length = 0;
  std::uint32_t position = 0;

  ~Impl() {
    if (file != nullptr) std::fclose(file);
  }
};

IPlatformByteStream::IPlatformByteStream(const File& file) : impl_(std::make_unique<Impl>()) {
  impl_->path = file.GetPath();
  impl_->file = dossik_internal::OpenForReading(impl_->path);
  if (impl_->file == nullptr) {
    const int error = errno;
    // Windows refuses to open a folder at all; it is named as one all the same.
    std::error_code ignored;
    throw SystemFileError("open", impl_->path, std::filesystem::is_directory(impl_->path, ignored) ? EISDIR : error);
  }
  // Buffering is the buffered stream's job: reads go straight to the file,
  // and no stdio buffer is allocated for them.
  std::setvbuf(impl_->file, nullptr, _IONBF, 0);
  // What was opened is asked, not the path again: one call, and no other file
  // can have taken the name in between.
  bool folder = false;
  std::uintmax_t size = 0;
  if (!dossik_internal::DescribeOpenFile(impl_->file, folder, size)) throw SystemFileError("open", impl_->path, errno);
  if (folder) throw SystemFileError("open", impl_->path, EISDIR);
  if (size > std::numeric_limits<std::uint32_t>::max()) throw SystemFileError("open", impl_->path, EFBIG);
  impl_->length = static_cast<std::uint32_t>(size);
}

IPlatformByteStream::~IPlatformByteStream() = default;

unsigned char IPlatformByteStream::ReadByte() {
  unsigned char byte = 0;
  if (ReadBlock(&byte, 1) != 1) throw EndOfDataError();
  return byte;
}

std::uint32_t IPlatformByteStream::ReadBlock(unsigned char* buffer, std::uint32_t count) {
  // A read that would pass the length the file had when it was opened stops
  // there, so that a whole file takes one call and not a second one that
  // finds nothing; a read from that length on asks the file again, so a file
  // that grew is read on by a caller that reads on.
  const std::uint32_t left = impl_->length - impl_->position;
  if (impl_->position < impl_->length && left < count) count = left;
  const std::size_t read = std::fread(buffer, 1, count, impl_->file);
  if (read < count && std::ferror(impl_->file)) {
    const int error = errno;
    std::clearerr(impl_->file);
    throw SystemFileError("read", impl_->path, error);
  }
  impl_->position += static_cast<std::uint32_t>(read);
  return static_cast<std::uint32_t>(read);
}

void IPlatformByteStream::SetPosition(std::uint32_t position) {
  if (!dossik_internal::SeekTo(impl_->file, position)) {
    throw SystemFileError("seek in", impl_->path, errno);
  }
  impl_->position = position;
}

std::uint32_t IPlatformByteStream::GetPosition() const { return impl_->position; }

std::uint32_t IPlatformByteStream::GetLength() const { return impl_->length; }
