#include "platform/DebuggerOutput.h"

#include "platform/UnicodeTranscoding.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <utility>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace platform {
namespace {

DebuggerOutputListener& Listener() {
  static DebuggerOutputListener listener;
  return listener;
}

}  // namespace

void WriteDebuggerOutput(const char16_t* text) {
  if (text == nullptr) return;
  const std::u16string_view view(text);
  if (const auto& listener = Listener()) listener(view);
#if defined(_WIN32)
  ::OutputDebugStringW(reinterpret_cast<const wchar_t*>(text));
#else
  if (IsDebuggerAttached()) {
    const std::string bytes = platform::ToUTF8(view);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
  }
#endif
}

DebuggerOutputListener SetDebuggerOutputListener(DebuggerOutputListener listener) {
  return std::exchange(Listener(), std::move(listener));
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
