#include "StandardOutputCheck.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "CommandRegistry.h"

namespace atelier {

StandardOutputCheck::StandardOutputCheck() : previous_(std::cout.rdbuf(this)) {}

StandardOutputCheck::~StandardOutputCheck() { std::cout.rdbuf(previous_); }

bool StandardOutputCheck::Write(const char* data, std::streamsize count) {
  errno = 0;
  if (std::fwrite(data, 1, static_cast<std::size_t>(count), stdout) == static_cast<std::size_t>(count)) return true;
  if (!failed_) firstError_ = errno;
  failed_ = true;
  return false;
}

StandardOutputCheck::int_type StandardOutputCheck::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  return Write(&byte, 1) ? c : traits_type::eof();
}

std::streamsize StandardOutputCheck::xsputn(const char* data, std::streamsize count) {
  return Write(data, count) ? count : 0;
}

int StandardOutputCheck::sync() {
  errno = 0;
  if (std::fflush(stdout) == 0) return 0;
  if (!failed_) firstError_ = errno;
  failed_ = true;
  return -1;
}

int StandardOutputCheck::Finish(int exitCode) {
  std::cout.flush();
  if (!failed_ && std::ferror(stdout) == 0) return exitCode;
  std::cerr << "atelier: error writing standard output: " << std::strerror(firstError_ != 0 ? firstError_ : EIO)
            << '\n';
  return exitCode == 0 ? kExitWorkFailed : exitCode;
}

}  // namespace atelier
