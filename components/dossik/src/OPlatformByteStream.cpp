#include <cerrno>
#include <cstdio>
#include <exception>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "Dossik.h"
#include "SystemErrors.h"

using dossik_internal::SystemFileError;

struct OPlatformByteStream::Impl {
  std::filesystem::path target;
  std::string temporary;
  std::FILE* file = nullptr;  // null once committed or discarded
  bool failed = false;
  int exceptionsAtStart = 0;

  // Closes and removes the temporary file; the target is left alone.
  void Discard() noexcept {
    if (file == nullptr) return;
    std::fclose(file);
    file = nullptr;
    ::unlink(temporary.c_str());
  }

  // Makes the temporary file durable and moves it over the target.
  void Commit() {
    const bool flushed = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(file) == 0;
    const int closeError = errno;
    file = nullptr;
    if (!flushed || !closed) {
      ::unlink(temporary.c_str());
      throw SystemFileError("write", target, flushed ? closeError : flushError);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
      const int error = errno;
      ::unlink(temporary.c_str());
      throw SystemFileError("replace", target, error);
    }
  }

  void Write(const unsigned char* data, std::uint32_t count) {
    if (file == nullptr) throw FileError("cannot write '" + target.string() + "': the stream is closed", target);
    if (failed) return;  // a failed stream is discarded, so its later bytes cannot matter
    if (std::fwrite(data, 1, count, file) != count) {
      failed = true;
      throw SystemFileError("write", target, errno);
    }
  }
};

OPlatformByteStream::OPlatformByteStream(const File& file) : impl_(std::make_unique<Impl>()) {
  impl_->target = file.GetPath();
  impl_->temporary = impl_->target.string() + ".tmp-XXXXXX";
  const int descriptor = ::mkstemp(impl_->temporary.data());
  if (descriptor < 0) throw SystemFileError("create a temporary file for", impl_->target, errno);
  // A saved file keeps the permissions of the one it replaces; a new one gets
  // the usual permissions of a document instead of mkstemp's private ones.
  struct stat existing {};
  const mode_t mode = ::stat(impl_->target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
  ::fchmod(descriptor, mode);
  impl_->file = ::fdopen(descriptor, "wb");
  if (impl_->file == nullptr) {
    const int error = errno;
    ::close(descriptor);
    ::unlink(impl_->temporary.c_str());
    throw SystemFileError("create a temporary file for", impl_->target, error);
  }
  impl_->exceptionsAtStart = std::uncaught_exceptions();
}

OPlatformByteStream::~OPlatformByteStream() {
  if (impl_->failed || std::uncaught_exceptions() > impl_->exceptionsAtStart) {
    impl_->Discard();
    return;
  }
  try {
    if (impl_->file != nullptr) impl_->Commit();
  } catch (const FileError&) {
    // Commit removed the temporary file and left the target as it was; a
    // destructor has no way to report more. Close() reports this failure.
  }
}

void OPlatformByteStream::WriteByte(unsigned char byte) { impl_->Write(&byte, 1); }

void OPlatformByteStream::WriteBlock(const unsigned char* data, std::uint32_t count) { impl_->Write(data, count); }

void OPlatformByteStream::MarkFailed() { impl_->failed = true; }

void OPlatformByteStream::Close() {
  if (impl_->file == nullptr) return;
  if (impl_->failed) {
    impl_->Discard();
    return;
  }
  impl_->Commit();
}
