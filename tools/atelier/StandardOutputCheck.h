// The check of standard output before the tool exits. Standard output is
// buffered, so a failed write (a full disk) shows only later, when the reason
// is long gone from errno; while a StandardOutputCheck lives, std::cout writes
// through it to the C stream, and the first failure keeps its reason.
#pragma once

#include <streambuf>

namespace atelier {

class StandardOutputCheck : private std::streambuf {
 public:
  // Routes std::cout through this object.
  StandardOutputCheck();
  // Gives std::cout its own buffer back.
  ~StandardOutputCheck() override;
  StandardOutputCheck(const StandardOutputCheck&) = delete;
  StandardOutputCheck& operator=(const StandardOutputCheck&) = delete;

  // Writes out what is buffered. Returns the exit code to end with:
  // `exitCode`, or 1 when anything written failed, after writing
  // "atelier: error writing standard output: <reason>" to standard error.
  int Finish(int exitCode);

 private:
  int overflow(int_type c) override;
  std::streamsize xsputn(const char* data, std::streamsize count) override;
  int sync() override;
  bool Write(const char* data, std::streamsize count);

  std::streambuf* previous_;
  int firstError_ = 0;  // errno of the first failed write, 0 while none failed
  bool failed_ = false;
};

}  // namespace atelier
