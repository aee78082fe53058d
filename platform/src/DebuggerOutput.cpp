#include "platform/DebuggerOutput.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "DebuggerOutputHook.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>

#include "platform/UnicodeTranscoding.h"
#endif

namespace platform {
namespace {

// The listening program's hook, looked up at every write: messages are few,
// and a copy of the seam keeps no state of its own.
internal::DebuggerOutputHook* ProgramHook() {
#if defined(_WIN32)
  // Through the type of a function of no arguments, as any function pointer
  // may be cast.
  const auto hook = reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleW(nullptr), internal::kDebuggerOutputHookName));
#else
  void* const hook = ::dlsym(RTLD_DEFAULT, internal::kDebuggerOutputHookName);
#endif
  return reinterpret_cast<internal::DebuggerOutputHook*>(hook);
}

}  // namespace

void WriteDebuggerOutput(const char16_t* text) {
  if (text == nullptr) return;
  const std::u16string_view view(text);
  if (internal::DebuggerOutputHook* const hook = ProgramHook()) hook(view.data(), view.size());
#if defined(_WIN32)
  ::OutputDebugStringW(reinterpret_cast<const wchar_t*>(text));
#else
  if (IsDebuggerAttached()) {
    const std::string bytes = platform::ToUTF8(view);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  }
#endif
}

bool IsDebuggerAttached() {
#if defined(_WIN32)
  return ::IsDebuggerPresent() != 0;
#else
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("TracerPid:", 0) == 0) {
      return line.find_first_not_of(" \t0", 10) != std::string::npos;
    }
  }
  return false;
#endif
}

}  // namespace platform
