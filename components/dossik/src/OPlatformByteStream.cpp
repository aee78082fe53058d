#include <cerrno>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "Dossik.h"
#include "NativeFiles.h"
#include "SaveTarget.h"
#include "SystemErrors.h"

using dossik_internal::RemoveFile;
using dossik_internal::SystemFileError;

struct OPlatformByteStream::Impl {
  std::filesystem::path target;
  std::filesystem::path temporary;
  std::FILE* file = nullptr;  // null once committed or discarded
  bool failed = false;
  std::optional<FileError> writeFailure;  // the write that failed, which Close() reports
  int exceptionsAtStart = 0;

  // Closes and removes the temporary file; the target is left alone.
  void Discard() noexcept {
    if (file == nullptr) return;
    std::fclose(file);
    file = nullptr;
    RemoveFile(temporary);
  }

  // Makes the temporary file durable and moves it over the target.
  void Commit() {
    const bool flushed = dossik_internal::FlushToDisk(file);
    const int flushError = errno;
    const bool closed = std::fclose(file) == 0;
    const int closeError = errno;
    file = nullptr;
    if (!flushed || !closed) {
      RemoveFile(temporary);
      throw SystemFileError("write", target, flushed ? closeError : flushError);
    }
    if (const std::error_code error = dossik_internal::MoveOverTarget(temporary, target)) {
      RemoveFile(temporary);
      throw SystemFileError("replace", target, error);
    }
  }

  void Write(const unsigned char* data, std::uint32_t count) {
    if (file == nullptr) throw FileError("cannot write '" + dossik_internal::PathText(target) + "': the stream is closed", target);
    if (failed) return;  // a failed stream is discarded, so its later bytes cannot matter
    if (std::fwrite(data, 1, count, file) != count) {
      failed = true;
      writeFailure = SystemFileError("write", target, errno);
      throw *writeFailure;
    }
  }
};

OPlatformByteStream::OPlatformByteStream(const File& file) : impl_(std::make_unique<Impl>()) {
  impl_->target = dossik_internal::SaveTarget(file.GetPath());
  impl_->file = dossik_internal::CreateTemporaryBeside(impl_->target, impl_->temporary);
  if (impl_->file == nullptr) throw SystemFileError("create a temporary file for", impl_->target, errno);
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
    if (impl_->writeFailure) throw *impl_->writeFailure;
    return;
  }
  impl_->Commit();
}
