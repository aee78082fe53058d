// Standard input as an input of the tool: the argument "-" names it wherever
// a command reads a file. Standard input may be a pipe, which is read once
// and cannot be set back, so it is read whole, once, from start to end; a
// command then reads those bytes as it reads a file's, from memory, or from
// a temporary copy where a library reads only files.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Dossik.h"
#include "PathArguments.h"
#include "ProgressLine.h"

namespace atelier {

// Whether an input argument names standard input: it is "-".
bool IsStandardInput(std::string_view argument);

// Every byte of standard input up to its end. Throws CommandFailure
// "-: cannot read standard input: <reason>" (exit 1) when a read fails, and
// "-: standard input holds more than 4294967295 bytes" when it holds more
// than a byte stream can.
std::vector<unsigned char> ReadStandardInput();

// The bytes of the input an argument names: standard input for "-", else
// the file, which must be a regular file (as RequireInputFile checks), both
// read through a buffer. The stream stands at the start and can be set back to
// it. File errors throw.
// With `showProgress`, a large input shows how far it was read (ProgressLine.h).
class InputBytes {
 public:
  explicit InputBytes(std::string_view argument, bool showProgress = false);
  // The bytes of `file`, named `name` on the progress line.
  InputBytes(const File& file, const std::string& name, bool showProgress);
  IByteStream& Stream() { return *buffered_; }

 private:
  void Watch(const std::string& name, bool showProgress);

  std::unique_ptr<IByteStream> source_;
  std::unique_ptr<ProgressLine> progress_;
  std::unique_ptr<ProgressByteStream> watched_;
  std::unique_ptr<IBufferedByteStream> buffered_;
};

// A temporary file holding the bytes of standard input, for the libraries
// that read only files; removed when the object goes. Standard input is
// copied block by block, so that memory stays small whatever its size.
class StandardInputCopy {
 public:
  StandardInputCopy();
  ~StandardInputCopy();
  StandardInputCopy(const StandardInputCopy&) = delete;
  StandardInputCopy& operator=(const StandardInputCopy&) = delete;

  File& Copy() { return file_; }

 private:
  File file_;
};

// Calls `use` with the file the argument names, or with a copy of standard
// input for "-".
template <class Use>
void WithInputFile(std::string_view argument, Use&& use) {
  if (IsStandardInput(argument)) {
    StandardInputCopy input;
    use(input.Copy());
    return;
  }
  File file(PathFromUTF8(argument));
  use(file);
}

}  // namespace atelier
