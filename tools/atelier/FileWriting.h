// Writing a whole file through the file library: the bytes go to a temporary
// file beside the target, which replaces the target only when every byte is
// written. A failure to write or to replace throws FileError and leaves the
// old file as it was, so a command never reports a file it did not write.
// The path "-" is standard output, written as the bytes come.
#pragma once

#include <filesystem>

#include "Dossik.h"
#include "StandardOutputStream.h"

namespace atelier {

// Calls `write` with a buffered stream over `path`, then closes the file. An
// exception from `write` discards everything written to a file.
template <class Write>
void WriteWholeFile(const std::filesystem::path& path, Write&& write) {
  if (IsStandardOutput(path)) {
    StandardOutputStream standardOutput;
    write(static_cast<OByteStream&>(standardOutput));
    standardOutput.Finish();
    return;
  }
  OPlatformByteStream file{File(path)};
  {
    OBufferedByteStream out(file, 32768, 4096);
    write(static_cast<OByteStream&>(out));
  }  // its last bytes reach the file here; a failure marks the file failed
  file.Close();
}

}  // namespace atelier
