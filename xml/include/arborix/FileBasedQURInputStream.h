/// @file
/// FileBasedQURInputStream: the bytes of a file, unchanged, for the parser.
/// The file is opened when the stream is made (FileError when it cannot be)
/// and read through a buffer of 32768 bytes.
#pragma once

#include <cstdint>

#include "ArborixExport.h"
#include "Dossik.h"
#include "arborix/client/HQURBinInputStreamBase.h"

/// The bytes of a file, unchanged, for the parser.
class ARBORIX_EXPORT FileBasedQURInputStream : public HQURBinInputStreamBase {
 public:
  /// Opens `file` for reading; throws FileError when it cannot be opened.
  explicit FileBasedQURInputStream(File& file);
  FileBasedQURInputStream(const FileBasedQURInputStream&) = delete;
  FileBasedQURInputStream& operator=(const FileBasedQURInputStream&) = delete;
  ~FileBasedQURInputStream() override;

  /// Reads at most `maximum` bytes, never past the length the file reported
  /// when it was opened; returns the count, 0 at the end.
  unsigned int readBytes(unsigned char* const buffer, unsigned int maximum) override;
  std::uint32_t curPos() const override;

 private:
  IPlatformByteStream file_;
  IBufferedByteStream buffered_;
};
