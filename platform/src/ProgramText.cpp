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
#else
#include <unistd.h>
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

bool StandardErrorIsTerminal() { return ::_isatty(::_fileno(stderr)) != 0; }

std::filesystem::path ProgramFile() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name);
    }
    name.resize(name.size() * 2);
  }
}

#else

std::vector<std::string> ProgramArgumentsAsUTF8(int argc, char** argv) { return {argv, argv + argc}; }

void UseUTF8StandardStreams() {}

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

std::filesystem::path ProgramFile() {
  std::error_code error;
  std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : file;
}

#endif

}  // namespace platform
