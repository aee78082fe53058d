#include "platform/ProgramText.h"

#if defined(_WIN32)
// windows.h first: shellapi.h needs the types it defines.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "platform/UnicodeTranscoding.h"
#endif

namespace platform {

#if defined(_WIN32)

std::vector<std::string> ProgramArgumentsAsUTF8(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return {argv, argv + argc};
  std::vector<std::string> arguments;
  arguments.reserve(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) arguments.push_back(ToUTF8(reinterpret_cast<const char16_t*>(wide[k])));
  ::LocalFree(wide);
  return arguments;
}

namespace {

UINT consoleCodePageBefore = 0;

void RestoreConsoleCodePage() { ::SetConsoleOutputCP(consoleCodePageBefore); }

}  // namespace

void UseUTF8StandardStreams() {
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
  // The console's code page belongs to the console, not to this program: it
  // goes back to what it was when the program ends.
  const UINT codePage = ::GetConsoleOutputCP();
  if (codePage != 0 && codePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) {
    consoleCodePageBefore = codePage;
    std::atexit(RestoreConsoleCodePage);
  }
}

#else

std::vector<std::string> ProgramArgumentsAsUTF8(int argc, char** argv) { return {argv, argv + argc}; }

void UseUTF8StandardStreams() {}

#endif

}  // namespace platform
